#include <GL/glew.h>

#include <iterator>
#include <string>

#include "render/loaders.h"
#include "render/picture_rect.h"
#include "render/text_overlay.h"
#include "ui/screens.h"

namespace {
constexpr int32_t kIntroFrames = 10;
constexpr int32_t kPromptFrames = 20;
constexpr int32_t kStatisticsSize = 30;
constexpr int32_t kStatisticsRows[3] = {165, 230, 305};  // rescued, time, score

const char* const kIntroImages[] = {
    "texture/intro_white.DDS", "texture/intro_cyan.DDS", "texture/intro_green.DDS",
    "texture/intro_pink.DDS",  "texture/intro_red.DDS",  "texture/intro_blue.DDS",
    "texture/intro_black.DDS",
};
const char* const kPromptImages[] = {"texture/intro_press_1.DDS", "texture/intro_press_2.DDS"};

// Two triangles covering clip space.
constexpr float kQuad[] = {-1, -1, 0, 1, -1, 0, -1, 1, 0, -1, 1, 0, 1, -1, 0, 1, 1, 0};
}  // namespace

void init_screen_images(ScreenImages& s) {
    glGenBuffers(1, &s.quad_buffer);
    glBindBuffer(GL_ARRAY_BUFFER, s.quad_buffer);
    glBufferData(GL_ARRAY_BUFFER, sizeof(kQuad), kQuad, GL_STATIC_DRAW);
    s.image_program = load_shader_program("shaders/Passthrough.vsh", "shaders/SimpleTexture.fsh");
    s.image_sampler_location = glGetUniformLocation(s.image_program, "texture1");
    s.background_texture = load_dds_texture("texture/background.DDS");
    s.score_image = load_dds_texture("texture/score.DDS");
    s.score_prompt_image = load_dds_texture("texture/score_press.DDS");
    s.time_up_image = load_dds_texture("texture/timeup.DDS");
    s.time_up_prompt_image = load_dds_texture("texture/timeup_press.DDS");
    s.intro_images.clear();
    for (const char* path : kIntroImages) s.intro_images.push_back(load_dds_texture(path));
    s.prompt_images.clear();
    for (const char* path : kPromptImages) s.prompt_images.push_back(load_dds_texture(path));
    s.story_image = load_dds_texture("texture/story.DDS");
    s.story_prompt_image = load_dds_texture("texture/story_press.DDS");
}

void release_screen_images(ScreenImages& s) {
    for (uint32_t& t : s.intro_images) glDeleteTextures(1, &t);
    for (uint32_t& t : s.prompt_images) glDeleteTextures(1, &t);
    uint32_t singles[] = {s.background_texture, s.score_image,        s.score_prompt_image,
                          s.time_up_image,      s.time_up_prompt_image, s.story_image,
                          s.story_prompt_image};
    glDeleteTextures(GLsizei(std::size(singles)), singles);
    glDeleteBuffers(1, &s.quad_buffer);
    glDeleteProgram(s.image_program);
}

void draw_full_screen_image(const ScreenImages& s, uint32_t texture) {
    glUseProgram(s.image_program);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, texture);
    glUniform1i(s.image_sampler_location, 0);
    glEnableVertexAttribArray(0);
    glBindBuffer(GL_ARRAY_BUFFER, s.quad_buffer);
    glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, 0, nullptr);
    glDrawArrays(GL_TRIANGLES, 0, 6);
    glDisableVertexAttribArray(0);
}

void draw_intro_cycle(ScreenImages& s) {
    if (!s.intro_images.empty()) draw_full_screen_image(s, s.intro_images[s.intro_index]);
    if (++s.frame_counter >= kIntroFrames) {
        s.frame_counter = 0;
        s.intro_index = (s.intro_index + 1) % int32_t(std::size(kIntroImages));
    }
}

void draw_choose_prompt(ScreenImages& s) {
    if (!s.prompt_images.empty()) draw_full_screen_image(s, s.prompt_images[s.prompt_index]);
    if (++s.frame_counter >= kPromptFrames) {
        s.frame_counter = 0;
        s.prompt_index = (s.prompt_index + 1) % int32_t(std::size(kPromptImages));
    }
}

void draw_story(ScreenImages& s) {
    s.frame_counter = s.intro_index = s.prompt_index = 0;
    draw_full_screen_image(s, s.story_image);
}

void draw_story_prompt(const ScreenImages& s) { draw_full_screen_image(s, s.story_prompt_image); }

void draw_statistics(const TextOverlay& text, const ShownStatistics& shown) {
    const int32_t x = int32_t(float(kPictureWidth) * 0.5f - 50.0f);
    const int32_t numbers[3] = {shown.rescued, shown.time, shown.score};
    for (int i = 0; i < 3; ++i) {
        print_text(text, std::to_string(numbers[i]).c_str(), x, kStatisticsRows[i], kStatisticsSize,
                   1.0f, 0.0f, 0.0f);
    }
}

void draw_score_screen(const TextOverlay& text, const ScreenImages& s,
                       const ShownStatistics& shown) {
    draw_statistics(text, shown);
    draw_full_screen_image(s, s.score_image);
}

void draw_score_prompt(const TextOverlay& text, const ScreenImages& s,
                       const ShownStatistics& shown) {
    draw_statistics(text, shown);
    draw_full_screen_image(s, s.score_prompt_image);
}

void draw_time_up_screen(const TextOverlay& text, const ScreenImages& s,
                         const ShownStatistics& shown) {
    draw_statistics(text, shown);
    draw_full_screen_image(s, s.time_up_image);
}

void draw_time_up_prompt(const TextOverlay& text, const ScreenImages& s,
                         const ShownStatistics& shown) {
    draw_statistics(text, shown);
    draw_full_screen_image(s, s.time_up_prompt_image);
}
