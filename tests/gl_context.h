#pragma once
// A hidden window with an OpenGL 3.3 core context for the GL tests, made
// once per test program and kept current. Tests call REQUIRE_GL() first: it
// skips only when no display at all can be opened.
#include <GL/glew.h>
#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

namespace gl_test {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;

inline GLFWwindow* open_window() {
    if (!glfwInit()) return nullptr;
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 3);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 3);
    glfwWindowHint(GLFW_OPENGL_FORWARD_COMPAT, GL_TRUE);
    glfwWindowHint(GLFW_OPENGL_PROFILE, GLFW_OPENGL_CORE_PROFILE);
    GLFWwindow* window = glfwCreateWindow(kWidth, kHeight, "test", nullptr, nullptr);
    if (!window) {
        glfwTerminate();
        return nullptr;
    }
    glfwMakeContextCurrent(window);
    glewExperimental = GL_TRUE;
    if (glewInit() != GLEW_OK) {
        glfwDestroyWindow(window);
        window = nullptr;
        return nullptr;
    }
    while (glGetError() != GL_NO_ERROR) {
    }
    return window;
}

// The game's renderer makes and binds one vertex array for the whole run;
// tests that draw without a renderer, or after one was released, use this.
inline GLuint vertex_array() {
    static GLuint vao = 0;
    if (vao == 0) glGenVertexArrays(1, &vao);
    return vao;
}

// A busy display server now and then refuses one connection among many
// test processes: try a few times before calling the display missing.
inline GLFWwindow* context() {
    static bool tried = false;
    static GLFWwindow* window = nullptr;
    if (tried) return window;
    tried = true;
    for (int attempt = 0; attempt < 3 && !window; ++attempt) {
        if (attempt > 0) std::this_thread::sleep_for(std::chrono::milliseconds(300));
        window = open_window();
    }
    return window;
}

// The game's start-up state that the renderer relies on.
inline void reset_game_state() {
    glClearColor(0.75f, 0.75f, 0.75f, 0.0f);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glEnable(GL_CULL_FACE);
    glBindFramebuffer(GL_FRAMEBUFFER, 0);
    glViewport(0, 0, kWidth, kHeight);
    glBindVertexArray(vertex_array());
}

// A failing loader waits for a key on stdin; tests answer with end of input.
inline void close_stdin() { (void)std::freopen("/dev/null", "r", stdin); }

}  // namespace gl_test

#define REQUIRE_GL()                                                   \
    do {                                                               \
        if (!gl_test::context()) GTEST_SKIP() << "no display for GL";  \
        gl_test::reset_game_state();                                   \
    } while (0)

namespace gl_test {

// A 1024 x 768 colour and depth target to draw into and read back.
struct OffscreenTarget {
    GLuint framebuffer = 0, colour = 0, depth = 0;

    OffscreenTarget() {
        glGenFramebuffers(1, &framebuffer);
        glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
        glGenRenderbuffers(1, &colour);
        glBindRenderbuffer(GL_RENDERBUFFER, colour);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, kWidth, kHeight);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colour);
        glGenRenderbuffers(1, &depth);
        glBindRenderbuffer(GL_RENDERBUFFER, depth);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, kWidth, kHeight);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depth);
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
    }
    ~OffscreenTarget() {
        glDeleteFramebuffers(1, &framebuffer);
        glDeleteRenderbuffers(1, &colour);
        glDeleteRenderbuffers(1, &depth);
    }
    void begin() const {
        glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
        glViewport(0, 0, kWidth, kHeight);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
    // RGB rows from the bottom up, as OpenGL numbers them.
    std::vector<unsigned char> read() const {
        std::vector<unsigned char> pixels(size_t(kWidth) * kHeight * 3);
        glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        return pixels;
    }
};

}  // namespace gl_test
