#include "render/shader_variant.h"

#include <GL/glew.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

bool read_text(const char* path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::stringstream s;
    s << in.rdbuf();
    text = s.str();
    return true;
}

// "#version" must stay the first line: the name goes right after it.
std::string with_define(const std::string& source, const char* name) {
    size_t line_end = source.find('\n');
    std::string define = std::string("#define ") + name + "\n";
    if (line_end == std::string::npos) return source + "\n" + define;
    return source.substr(0, line_end + 1) + define + source.substr(line_end + 1);
}

void print_log(GLuint object, bool program) {
    GLint length = 0;
    if (program) glGetProgramiv(object, GL_INFO_LOG_LENGTH, &length);
    else glGetShaderiv(object, GL_INFO_LOG_LENGTH, &length);
    if (length <= 1) return;
    std::vector<char> log(size_t(length) + 1, '\0');
    if (program) glGetProgramInfoLog(object, length, nullptr, log.data());
    else glGetShaderInfoLog(object, length, nullptr, log.data());
    std::printf("%s\n", log.data());
}

GLuint compile(GLenum kind, const std::string& source) {
    GLuint shader = glCreateShader(kind);
    const char* text = source.c_str();
    glShaderSource(shader, 1, &text, nullptr);
    glCompileShader(shader);
    GLint ok = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (ok != GL_TRUE) {
        print_log(shader, false);
        glDeleteShader(shader);
        return 0;
    }
    return shader;
}

}  // namespace

uint32_t load_shader_variant(const char* vertex_path, const char* fragment_path,
                             const char* define_name) {
    std::string vertex_text, fragment_text;
    if (!read_text(vertex_path, vertex_text) || !read_text(fragment_path, fragment_text)) {
        std::printf("Cannot read %s or %s\n", vertex_path, fragment_path);
        return 0;
    }
    GLuint vertex = compile(GL_VERTEX_SHADER, with_define(vertex_text, define_name));
    GLuint fragment = compile(GL_FRAGMENT_SHADER, with_define(fragment_text, define_name));
    GLuint program = 0;
    if (vertex != 0 && fragment != 0) {
        program = glCreateProgram();
        glAttachShader(program, vertex);
        glAttachShader(program, fragment);
        glLinkProgram(program);
        GLint ok = GL_FALSE;
        glGetProgramiv(program, GL_LINK_STATUS, &ok);
        if (ok != GL_TRUE) {
            print_log(program, true);
            glDeleteProgram(program);
            program = 0;
        } else {
            glDetachShader(program, vertex);
            glDetachShader(program, fragment);
        }
    }
    if (vertex != 0) glDeleteShader(vertex);
    if (fragment != 0) glDeleteShader(fragment);
    return program;
}
