# Two commands do everything: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: run test test-asan build deps configure bench clean

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD) && ./swarmfall

# The OpenGL tests need a display: without one they run under Xvfb.
test: build
	@scripts/with-display ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# LeakSanitizer itself crashes at exit while Mesa's software renderer
# threads are alive, so leak checks are off; memory errors are still caught.
test-asan: deps
	@cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DSWARMFALL_SANITIZE=ON > /dev/null
	@cmake --build build-asan -j $(JOBS)
	@ASAN_OPTIONS=detect_leaks=0 scripts/with-display ctest --test-dir build-asan --output-on-failure -j $(JOBS)

bench: build
	@scripts/with-display $(BUILD)/bench_render

clean:
	rm -rf $(BUILD) build-asan

# Writes every mesh, texture and sound again from tools/assets, plus the
# contact sheet in docs/assets and full-size previews in $(BUILD)/previews.
.PHONY: assets
assets: configure
	@cmake --build $(BUILD) --target make_assets -j $(JOBS)
	$(BUILD)/make_assets --root . --previews $(BUILD)/previews
