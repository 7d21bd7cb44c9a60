// The OBJ loader: the faces it accepts, the ones it rejects, and that a
// rejected file never touches the caller's lists.
#include <gtest/gtest.h>

#include <string>

#include "render/loaders.h"
#include "render_test_files.h"
#include "gl_context.h"

namespace {

struct Lists {
    std::vector<glm::vec3> positions;
    std::vector<glm::vec2> uvs;
    std::vector<glm::vec3> normals;
};

bool load_text(const std::string& text, Lists& lists, const char* name = "mesh.obj") {
    std::string path = test_files::temp_path(name);
    test_files::write_text(path, text);
    return load_obj(path.c_str(), lists.positions, lists.uvs, lists.normals);
}

// Loads `text` into lists that already hold one sentinel entry each and
// checks they come back untouched.
void expect_rejected_untouched(const std::string& text) {
    Lists lists;
    lists.positions.push_back(glm::vec3(7.0f));
    lists.uvs.push_back(glm::vec2(7.0f));
    lists.normals.push_back(glm::vec3(7.0f));
    EXPECT_FALSE(load_text(text, lists)) << text;
    ASSERT_EQ(lists.positions.size(), 1u);
    ASSERT_EQ(lists.uvs.size(), 1u);
    ASSERT_EQ(lists.normals.size(), 1u);
    EXPECT_EQ(lists.positions[0], glm::vec3(7.0f));
}

const char* kTriangle =
    "v 0 0 0\nv 1 0 0\nv 0 1 0\nvt 0.25 0.75\nvt 0.5 0.5\nvn 0 0 1\n";

}  // namespace

TEST(ObjLoader, FlipsTheSecondTextureCoordinateAndAppends) {
    Lists lists;
    lists.positions.push_back(glm::vec3(5.0f));
    lists.uvs.push_back(glm::vec2(5.0f));
    lists.normals.push_back(glm::vec3(5.0f));
    ASSERT_TRUE(load_text(std::string(kTriangle) + "f 1/1/1 2/2/1 3/1/1\n", lists));
    ASSERT_EQ(lists.uvs.size(), 4u);
    EXPECT_EQ(lists.uvs[1], glm::vec2(0.25f, -0.75f));
    EXPECT_EQ(lists.uvs[2], glm::vec2(0.5f, -0.5f));
    EXPECT_EQ(lists.positions[0], glm::vec3(5.0f));
}

TEST(ObjLoader, TwelveFacesGiveThirtySixCornersInFaceOrder) {
    Lists lists;
    ASSERT_TRUE(load_text(test_files::cube_obj_text(), lists));
    ASSERT_EQ(lists.positions.size(), 36u);
    ASSERT_EQ(lists.uvs.size(), 36u);
    ASSERT_EQ(lists.normals.size(), 36u);
    // The test cube lists its sides +x, -x, +y, -y, +z, -z, two faces each.
    EXPECT_EQ(lists.normals[0], glm::vec3(1, 0, 0));
    EXPECT_EQ(lists.normals[6], glm::vec3(-1, 0, 0));
    EXPECT_EQ(lists.normals[35], glm::vec3(0, 0, -1));
    EXPECT_EQ(lists.positions[0], glm::vec3(1, -1, -1));
    EXPECT_EQ(lists.positions[1], glm::vec3(1, 1, -1));
}

TEST(ObjLoader, RejectsCornersWithoutAllThreeIndices) {
    expect_rejected_untouched(std::string(kTriangle) + "f 1//1 2//1 3//1\n");
    expect_rejected_untouched(std::string(kTriangle) + "f 1 2 3\n");
    expect_rejected_untouched(std::string(kTriangle) + "f 1/1 2/1 3/1\n");
    // A good face first does not save a bad one later.
    expect_rejected_untouched(std::string(kTriangle) + "f 1/1/1 2/2/1 3/1/1\nf 1//1 2//1 3//1\n");
}

TEST(ObjLoader, QuadKeepsOnlyItsFirstTriangle) {
    Lists lists;
    std::string text = std::string(kTriangle) + "v 1 1 0\nf 1/1/1 2/2/1 3/1/1 4/2/1\nf 2/1/1 4/1/1 3/1/1\n";
    ASSERT_TRUE(load_text(text, lists));
    ASSERT_EQ(lists.positions.size(), 6u);
    EXPECT_EQ(lists.positions[2], glm::vec3(0, 1, 0));
    // The next face line is read normally after the lost fourth corner.
    EXPECT_EQ(lists.positions[3], glm::vec3(1, 0, 0));
    EXPECT_EQ(lists.positions[4], glm::vec3(1, 1, 0));
}

TEST(ObjLoader, SkipsLinesWithOtherHeaders) {
    Lists lists;
    std::string text =
        "# a comment with v 9 9 9 in it\nmtllib x.mtl\no thing\ng group\ns 1\nusemtl brick\n"
        "vp 0.5 0.5 0.5\n" + std::string(kTriangle) + "f 1/1/1 2/2/1 3/1/1\n";
    ASSERT_TRUE(load_text(text, lists));
    ASSERT_EQ(lists.positions.size(), 3u);
    EXPECT_EQ(lists.positions[0], glm::vec3(0, 0, 0));
}

TEST(ObjLoader, FacesMayNameEntriesDeclaredAfterThem) {
    Lists lists;
    ASSERT_TRUE(load_text("f 1/1/1 2/1/1 3/1/1\n" + std::string(kTriangle), lists));
    EXPECT_EQ(lists.positions.size(), 3u);
}

TEST(ObjLoader, RejectsIndicesOutsideTheDeclaredEntries) {
    expect_rejected_untouched(std::string(kTriangle) + "f 0/1/1 2/1/1 3/1/1\n");
    expect_rejected_untouched(std::string(kTriangle) + "f 1/1/1 2/1/1 4/1/1\n");
    expect_rejected_untouched(std::string(kTriangle) + "f 1/3/1 2/1/1 3/1/1\n");
    expect_rejected_untouched(std::string(kTriangle) + "f 1/1/1 2/1/2 3/1/1\n");
    expect_rejected_untouched(std::string(kTriangle) + "f -1/1/1 2/1/1 3/1/1\n");
    expect_rejected_untouched(std::string(kTriangle) + "f 1/1/1 2/1/1 4294967295/1/1\n");
    // Beyond 32 bits an index must not wrap onto a valid one.
    expect_rejected_untouched(std::string(kTriangle) + "f 4294967297/1/1 2/1/1 3/1/1\n");
    expect_rejected_untouched(std::string(kTriangle) + "f 1/1/1 2/1/-4294967295 3/1/1\n");
    expect_rejected_untouched(std::string(kTriangle) + "f 1/1/1 2/1/1 99999999999999999999/1/1\n");
    expect_rejected_untouched("f 1/1/1 1/1/1 1/1/1\n");
}

TEST(ObjLoader, OverlongHeaderWordIsSkippedWithItsLine) {
    Lists lists;
    std::string text = std::string(kTriangle) + std::string(127, 'x') + " 1 2 3\n" +
                       std::string(300, 'v') + "\n" + std::string(127, 'q') + "v 1 1 1\n" +
                       "f 1/1/1 2/2/1 3/1/1\n";
    ASSERT_TRUE(load_text(text, lists));
    ASSERT_EQ(lists.positions.size(), 3u);
}

TEST(ObjLoader, FailuresPrintTheirMessagesAndDoNotWait) {
    gl_test::close_stdin();
    Lists lists;
    std::string path = test_files::temp_path("bad_face.obj");
    test_files::write_text(path, std::string(kTriangle) + "f 1//1 2//1 3//1\n");
    testing::internal::CaptureStdout();
    EXPECT_FALSE(load_obj("/nonexistent/none.obj", lists.positions, lists.uvs, lists.normals));
    EXPECT_FALSE(load_obj(path.c_str(), lists.positions, lists.uvs, lists.normals));
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Loading OBJ file /nonexistent/none.obj...\n"
              "Impossible to open the file ! Are you in the right path ? See Tutorial 1 for details\n"
              "Loading OBJ file " + path + "...\n"
              "File can't be read by our simple parser :-( Try exporting with other options\n");
}
