#pragma once
// A renderer set up as start-up sets it up, with our own test files in
// place of the game's models and texture.
#include <glm/gtc/matrix_transform.hpp>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "gl_context.h"
#include "render/camera.h"
#include "render/loaders.h"
#include "render/mesh_handles.h"
#include "render/renderer.h"
#include "render_test_files.h"

namespace render_test {

// One flat colour: brightness then only tells the lighting.
inline uint32_t flat_texture() {
    std::string path = test_files::temp_path("flat.dds");
    test_files::write_bytes(path, test_files::dds_bytes(16, 16, 128, 5, kFourCcDxt1,
                                                        test_files::solid_dxt1(16, 16, 5, 0x8410)));
    return load_dds_texture(path.c_str());
}

inline void set_up(Renderer& r, uint32_t texture) {
    gl_test::close_stdin();
    testing::internal::CaptureStdout();
    r.init(float(gl_test::kWidth), float(gl_test::kHeight));
    std::string cube = test_files::temp_path("cube.obj");
    test_files::write_text(cube, test_files::cube_obj_text());
    for (int i = 0; i < kMeshCount; ++i) r.add_mesh(cube.c_str());
    testing::internal::GetCapturedStdout();
    if (r.block_texture != 0) glDeleteTextures(1, &r.block_texture);
    r.block_texture = texture;
}

// The frame's view from `eye` along `direction`.
inline FrameView look(const glm::mat4& projection, const glm::vec3& eye, const glm::vec3& direction,
                      bool free_camera = false) {
    glm::vec3 up = std::abs(direction.z) > 0.99f ? glm::vec3(0, 1, 0) : glm::vec3(0, 0, 1);
    return make_frame_view(projection, glm::lookAt(eye, eye + direction, up), free_camera);
}

inline bool close_colour(const unsigned char* a, const unsigned char* b) {
    return std::abs(int(a[0]) - int(b[0])) <= 6 && std::abs(int(a[1]) - int(b[1])) <= 6 &&
           std::abs(int(a[2]) - int(b[2])) <= 6;
}

// Pixels of `a` whose colour is found nowhere in the 3 x 3 neighbourhood of
// the same pixel in `b`.
inline int differing_beyond_edges(const std::vector<unsigned char>& a,
                                  const std::vector<unsigned char>& b) {
    const int w = gl_test::kWidth, h = gl_test::kHeight;
    int count = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const unsigned char* pa = &a[size_t(y * w + x) * 3];
            bool found = false;
            for (int dy = -1; dy <= 1 && !found; ++dy) {
                for (int dx = -1; dx <= 1 && !found; ++dx) {
                    int nx = std::clamp(x + dx, 0, w - 1), ny = std::clamp(y + dy, 0, h - 1);
                    found = close_colour(pa, &b[size_t(ny * w + nx) * 3]);
                }
            }
            count += !found;
        }
    }
    return count;
}

}  // namespace render_test
