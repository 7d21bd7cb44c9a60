# Two commands do everything: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: run test test-asan build deps configure bench bench-smoke clean fuzz fuzz-build fuzz-smoke \
        soak package package-check screenshots windows windows-package test-windows

# A player's build needs neither GoogleTest nor Xvfb; the test targets ask
# for them and turn the tests on.
DEPS ?=
CONFIG ?=
test test-asan bench bench-smoke soak screenshots: DEPS = tests
test: CONFIG = -DBUILD_TESTING=ON

deps:
	@scripts/install-deps $(DEPS)

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CONFIG) > /dev/null

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
	@cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DSWARMFALL_SANITIZE=ON -DBUILD_TESTING=ON > /dev/null
	@cmake --build build-asan -j $(JOBS)
	@ASAN_OPTIONS=detect_leaks=0 scripts/with-display ctest --test-dir build-asan --output-on-failure -j $(JOBS)

# The soak: the real game with rendering, under AddressSanitizer and UBSan,
# played through a scripted clock and keyboard for 30 rounds, the pack grown
# to 101 ants (tests/soak_game.cpp). A 6-round game runs in test-asan.
soak: deps
	@cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DSWARMFALL_SANITIZE=ON -DBUILD_TESTING=ON > /dev/null
	@cmake --build build-asan --target soak_game -j $(JOBS)
	@ASAN_OPTIONS=detect_leaks=0 scripts/with-display build-asan/tests/soak_game --rounds 30 --rescues 21

bench: build
	@scripts/with-display $(BUILD)/bench_render

# Every benchmark started for one short round (one view, one frame a block;
# the real game's through one rescue), so none rots unnoticed. The numbers
# mean nothing.
bench-smoke: build
	@scripts/with-display $(BUILD)/bench_render 1 --views 1 > $(BUILD)/bench-smoke.log || \
	  { cat $(BUILD)/bench-smoke.log; exit 1; }
	@echo "bench_render: one short round ran"
	@bench/late_game_real.sh $(BUILD)/swarmfall 3 1

# Coverage-guided fuzzing of every file the game reads, with clang's
# libFuzzer under AddressSanitizer and UBSan: each target runs a fixed number
# of runs (scripts/run-fuzz lists them) and any finding fails the run.
fuzz: fuzz-build
	@scripts/run-fuzz build-fuzz

fuzz-build:
	@scripts/install-deps fuzz
	@cmake -S fuzz -B build-fuzz -DCMAKE_CXX_COMPILER=clang++-14 > /dev/null
	@cmake --build build-fuzz -j $(JOBS)

# Every fuzz target built and run briefly over its seed corpus (a
# thousandth of `make fuzz`'s runs), so one that no longer builds, links or
# starts is noticed.
fuzz-smoke: fuzz-build
	@scripts/run-fuzz build-fuzz 1000

# A Debian package of the installed game, in $(BUILD)/.
package: build
	@cd $(BUILD) && cpack > /dev/null
	@ls $(BUILD)/swarmfall_*.deb

# The package installed into a fresh Debian made with debootstrap and the
# game started there (scripts/check-package). Making that Debian needs root:
# without it the check says so and passes.
package-check: package
	@if [ "$$(id -u)" -ne 0 ]; then \
	  echo "package-check: skipped, making a Debian root needs root"; \
	else \
	  scripts/install-deps package && scripts/check-package $(BUILD)/swarmfall_*.deb; \
	fi

# Plays the real game under Xvfb and saves the README's pictures in
# docs/screenshots.
screenshots: build
	@scripts/screenshots $(BUILD)/swarmfall docs/screenshots

# The Windows build in $(WINDOWS_BUILD)/: swarmfall.exe and the test
# programs of the rules and the flow, cross-built with MinGW-w64. The level
# embedder runs during the build, so it is built natively first; the
# libraries come from scripts/windows-deps, built once into a cache.
WINDOWS_BUILD ?= build-windows
windows:
	@scripts/install-deps windows
	@cmake -S . -B $(WINDOWS_BUILD)/host -DSWARMFALL_HOST_TOOLS_ONLY=ON -DCMAKE_BUILD_TYPE=Release > /dev/null
	@cmake --build $(WINDOWS_BUILD)/host --target embed_level -j $(JOBS)
	@deps=$$(scripts/windows-deps) && cmake -S . -B $(WINDOWS_BUILD) \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_FIND_ROOT_PATH="$$deps" -DCMAKE_PREFIX_PATH="$$deps" -DSWARMFALL_WINDOWS_DEPS="$$deps" \
	  -DSWARMFALL_HOST_EMBED_LEVEL=$(abspath $(WINDOWS_BUILD))/host/embed_level -DBUILD_TESTING=ON \
	  -DCMAKE_CROSSCOMPILING_EMULATOR=wine > /dev/null
	@cmake --build $(WINDOWS_BUILD) -j $(JOBS)

# The zip and the installer of the Windows build, in $(WINDOWS_BUILD)/.
windows-package: windows
	@cmake --build $(WINDOWS_BUILD) --target windows_package

# The Windows build under Wine: its test programs, the game from the zip
# played through, the installer and uninstaller (scripts/test-windows).
test-windows: windows-package
	@scripts/install-deps tests
	@scripts/test-windows $(WINDOWS_BUILD)

clean:
	rm -rf $(BUILD) build-asan build-fuzz $(WINDOWS_BUILD)

# Writes every mesh, texture and sound again from tools/assets, plus the
# contact sheet in docs/assets and full-size previews in $(BUILD)/previews.
.PHONY: assets
assets: configure
	@cmake --build $(BUILD) --target make_assets -j $(JOBS)
	$(BUILD)/make_assets --root . --previews $(BUILD)/previews
