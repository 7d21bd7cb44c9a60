#pragma once
// A hidden window with an OpenGL 3.3 core context for the GL tests, made
// once per test program and kept current. Tests call REQUIRE_GL() first: it
// skips only when no display at all can be opened.
#include <GL/glew.h>
#include <GLFW/glfw3.h>
#include <gtest/gtest.h>

#include <cstdio>

namespace gl_test {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;

inline GLFWwindow* context() {
    static bool tried = false;
    static GLFWwindow* window = nullptr;
    if (tried) return window;
    tried = true;
    if (!glfwInit()) return nullptr;
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 3);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 3);
    glfwWindowHint(GLFW_OPENGL_FORWARD_COMPAT, GL_TRUE);
    glfwWindowHint(GLFW_OPENGL_PROFILE, GLFW_OPENGL_CORE_PROFILE);
    window = glfwCreateWindow(kWidth, kHeight, "test", nullptr, nullptr);
    if (!window) return nullptr;
    glfwMakeContextCurrent(window);
    glewExperimental = GL_TRUE;
    if (glewInit() != GLEW_OK) {
        glfwDestroyWindow(window);
        window = nullptr;
        return nullptr;
    }
    while (glGetError() != GL_NO_ERROR) {
    }
    // The game binds one vertex array for the whole run; so do the tests.
    GLuint vao = 0;
    glGenVertexArrays(1, &vao);
    glBindVertexArray(vao);
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
}

// A failing loader waits for a key on stdin; tests answer with end of input.
inline void close_stdin() { (void)std::freopen("/dev/null", "r", stdin); }

}  // namespace gl_test

#define REQUIRE_GL()                                                   \
    do {                                                               \
        if (!gl_test::context()) GTEST_SKIP() << "no display for GL";  \
        gl_test::reset_game_state();                                   \
    } while (0)
