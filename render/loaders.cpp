#include "render/loaders.h"

#include <GL/glew.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>

namespace {

constexpr int kHeaderBufferSize = 128;   // line-header words up to 127 characters
constexpr int kSkipBufferSize = 1000;    // rest-of-line reads up to 999 characters

// The console waits for a key after an open failure; end of input counts as
// the key, so a closed or redirected stdin never blocks.
void wait_for_key() { (void)std::getchar(); }

// Reads the next whitespace-delimited word into `word`. A word too long for
// the buffer is swallowed whole and comes back empty, which no keyword
// matches, so its line is skipped. False at end of file.
bool read_header(FILE* file, char (&word)[kHeaderBufferSize]) {
    if (std::fscanf(file, "%127s", word) != 1) return false;
    int c = std::fgetc(file);
    if (c == EOF || std::isspace(c)) {
        if (c != EOF) std::ungetc(c, file);
        return true;
    }
    while (c != EOF && !std::isspace(c)) c = std::fgetc(file);
    if (c != EOF) std::ungetc(c, file);
    word[0] = '\0';
    return true;
}

// Three corners of position/uv/normal. Each index is read as text and
// converted with a range check: read as an int, an index beyond 32 bits
// would wrap onto a small valid one (4294967297 reads as 1).
constexpr int kFaceIndices = 9;
constexpr const char* kFaceFormat =
    " %31[-+0123456789]/ %31[-+0123456789]/ %31[-+0123456789]"
    " %31[-+0123456789]/ %31[-+0123456789]/ %31[-+0123456789]"
    " %31[-+0123456789]/ %31[-+0123456789]/ %31[-+0123456789]\n";

bool parse_index(const char* text, int& index) {
    errno = 0;
    char* end = nullptr;
    const long long value = std::strtoll(text, &end, 10);
    if (end == text || *end != '\0' || errno == ERANGE) return false;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return false;
    index = int(value);
    return true;
}

bool read_face(FILE* file, int (&indices)[kFaceIndices]) {
    char t[kFaceIndices][32];
    if (std::fscanf(file, kFaceFormat, t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7], t[8]) !=
        kFaceIndices)
        return false;
    for (int i = 0; i < kFaceIndices; ++i) {
        if (!parse_index(t[i], indices[i])) return false;
    }
    return true;
}

// A 1-based index must name a declared entry; anything else rejects the file.
bool index_ok(int index, size_t declared) {
    return index >= 1 && size_t(index) <= declared;
}

std::string read_text_file(const char* path, bool& opened) {
    std::ifstream stream(path, std::ios::in);
    opened = stream.is_open();
    if (!opened) return std::string();
    std::stringstream text;
    text << stream.rdbuf();
    return text.str();
}

void print_info_log(GLuint object, bool is_program) {
    GLint length = 0;
    if (is_program) {
        glGetProgramiv(object, GL_INFO_LOG_LENGTH, &length);
    } else {
        glGetShaderiv(object, GL_INFO_LOG_LENGTH, &length);
    }
    if (length <= 0) return;
    std::vector<char> log(size_t(length) + 1, '\0');
    if (is_program) {
        glGetProgramInfoLog(object, length, nullptr, log.data());
    } else {
        glGetShaderInfoLog(object, length, nullptr, log.data());
    }
    std::printf("%s\n", log.data());
}

void compile_shader(GLuint shader, const char* path, const std::string& source) {
    std::printf("Compiling shader : %s\n", path);
    const char* text = source.c_str();
    glShaderSource(shader, 1, &text, nullptr);
    glCompileShader(shader);
    GLint status = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &status);
    print_info_log(shader, false);
}

// What an OBJ file declares, and the corners of its faces as written.
struct ObjLines {
    std::vector<glm::vec3> positions;
    std::vector<glm::vec2> uvs;
    std::vector<glm::vec3> normals;
    std::vector<int> position_indices, uv_indices, normal_indices;
};

// Reads the file to its end; false at a face the simple parser cannot take.
bool read_obj_lines(FILE* file, ObjLines& obj) {
    char header[kHeaderBufferSize];
    while (read_header(file, header)) {
        if (std::strcmp(header, "v") == 0) {
            glm::vec3 p(0.0f);
            (void)std::fscanf(file, "%f %f %f\n", &p.x, &p.y, &p.z);
            obj.positions.push_back(p);
        } else if (std::strcmp(header, "vt") == 0) {
            glm::vec2 uv(0.0f);
            (void)std::fscanf(file, "%f %f\n", &uv.x, &uv.y);
            uv.y = -uv.y;  // the textures are stored top row first
            obj.uvs.push_back(uv);
        } else if (std::strcmp(header, "vn") == 0) {
            glm::vec3 n(0.0f);
            (void)std::fscanf(file, "%f %f %f\n", &n.x, &n.y, &n.z);
            obj.normals.push_back(n);
        } else if (std::strcmp(header, "f") == 0) {
            int corners[kFaceIndices];
            if (!read_face(file, corners)) return false;
            for (int i = 0; i < kFaceIndices; i += 3) {
                obj.position_indices.push_back(corners[i]);
                obj.uv_indices.push_back(corners[i + 1]);
                obj.normal_indices.push_back(corners[i + 2]);
            }
        } else {
            char rest[kSkipBufferSize];
            (void)std::fgets(rest, kSkipBufferSize, file);
        }
    }
    return true;
}
}  // namespace

bool load_obj(const char* path, std::vector<glm::vec3>& positions,
              std::vector<glm::vec2>& uvs, std::vector<glm::vec3>& normals) {
    std::printf("Loading OBJ file %s...\n", path);
    FILE* file = std::fopen(path, "r");
    if (!file) {
        std::printf("Impossible to open the file ! Are you in the right path ? See Tutorial 1 for details\n");
        wait_for_key();
        return false;
    }
    ObjLines obj;
    const bool read = read_obj_lines(file, obj);
    std::fclose(file);
    if (!read) {
        std::printf("File can't be read by our simple parser :-( Try exporting with other options\n");
        return false;
    }

    // Faces may name entries declared after them, so indices are checked
    // only now, all before the caller's lists are touched.
    for (size_t i = 0; i < obj.position_indices.size(); ++i) {
        if (!index_ok(obj.position_indices[i], obj.positions.size()) ||
            !index_ok(obj.uv_indices[i], obj.uvs.size()) ||
            !index_ok(obj.normal_indices[i], obj.normals.size())) {
            std::printf("File can't be read by our simple parser :-( Try exporting with other options\n");
            return false;
        }
    }
    for (size_t i = 0; i < obj.position_indices.size(); ++i) {
        positions.push_back(obj.positions[size_t(obj.position_indices[i]) - 1]);
        uvs.push_back(obj.uvs[size_t(obj.uv_indices[i]) - 1]);
        normals.push_back(obj.normals[size_t(obj.normal_indices[i]) - 1]);
    }
    return true;
}

uint32_t load_shader_program(const char* vertex_path, const char* fragment_path) {
    GLuint vertex_shader = glCreateShader(GL_VERTEX_SHADER);
    GLuint fragment_shader = glCreateShader(GL_FRAGMENT_SHADER);

    bool opened = false;
    std::string vertex_source = read_text_file(vertex_path, opened);
    if (!opened) {
        std::printf("Impossible to open %s. Are you in the right directory ? Don't forget to read the FAQ !\n",
                    vertex_path);
        wait_for_key();
        return 0;
    }
    std::string fragment_source = read_text_file(fragment_path, opened);

    compile_shader(vertex_shader, vertex_path, vertex_source);
    compile_shader(fragment_shader, fragment_path, fragment_source);

    std::printf("Linking program\n");
    GLuint program = glCreateProgram();
    glAttachShader(program, vertex_shader);
    glAttachShader(program, fragment_shader);
    glLinkProgram(program);
    GLint status = GL_FALSE;
    glGetProgramiv(program, GL_LINK_STATUS, &status);
    print_info_log(program, true);

    glDetachShader(program, vertex_shader);
    glDetachShader(program, fragment_shader);
    glDeleteShader(vertex_shader);
    glDeleteShader(fragment_shader);
    return program;
}

uint32_t load_dds_texture(const char* path) {
    DdsImage image;
    if (!read_dds_file(path, image)) return 0;
    GLenum format = GL_COMPRESSED_RGBA_S3TC_DXT5_EXT;
    if (image.four_cc == kFourCcDxt1) format = GL_COMPRESSED_RGBA_S3TC_DXT1_EXT;
    if (image.four_cc == kFourCcDxt3) format = GL_COMPRESSED_RGBA_S3TC_DXT3_EXT;

    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    uint32_t width = image.width, height = image.height;
    size_t offset = 0;
    for (size_t level = 0; level < image.level_sizes.size(); ++level) {
        glCompressedTexImage2D(GL_TEXTURE_2D, GLint(level), format, GLsizei(width),
                               GLsizei(height), 0, GLsizei(image.level_sizes[level]),
                               image.data.data() + offset);
        offset += image.level_sizes[level];
        width = std::max(width / 2, 1u);
        height = std::max(height / 2, 1u);
    }
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glGenerateMipmap(GL_TEXTURE_2D);
    return texture;
}
