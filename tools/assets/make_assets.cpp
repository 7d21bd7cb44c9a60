// make_assets: writes every mesh, texture, sound and preview of the game.
//   make_assets [--root DIR] [--previews DIR]
// The assets go under DIR (default: the current directory); the contact
// sheet and model views go to DIR/docs/assets, the desktop icons to
// DIR/packaging/icons; full-size PNG previews of every texture are written
// only when --previews names a folder.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "tools/assets/block_atlas.h"
#include "tools/assets/dds.h"
#include "tools/assets/font_atlas.h"
#include "tools/assets/icon.h"
#include "tools/assets/models.h"
#include "tools/assets/preview.h"
#include "tools/assets/screens.h"
#include "tools/assets/sound.h"
#include "tools/assets/text.h"

namespace {

using namespace assets;

constexpr const char* MonoFontPath = "/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf";
constexpr float SwingDegrees = 15.0f;  // the widest arm and leg swing the game draws

bool failed = false;

void check(bool ok, const std::string& what) {
  if (!ok) {
    std::fprintf(stderr, "make_assets: could not write %s\n", what.c_str());
    failed = true;
  }
}

const Mesh& find(const std::vector<ModelFile>& models, const std::string& file) {
  for (const ModelFile& m : models)
    if (m.file == file) return m.mesh;
  return models.front().mesh;
}

// Four views of one group: front, three-quarter, side and three-quarter mid-swing.
Image group_views(const std::vector<ModelFile>& models, const std::vector<std::string>& files,
                  const std::vector<int>& swing_sign, const Image& atlas) {
  const int tile = 256;
  Image out(tile * 4, tile);
  const float yaws[4] = {0.0f, 0.6f, 1.5708f, -0.6f};
  for (int view = 0; view < 4; ++view) {
    std::vector<PlacedPart> parts;
    for (size_t i = 0; i < files.size(); ++i) {
      float angle = view == 3 ? swing_sign[i] * SwingDegrees * 0.017453292f : 0.0f;
      parts.push_back({&find(models, files[i]), angle});
    }
    paste(out, render_parts(parts, atlas, yaws[view], tile), view * tile, 0);
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  std::string root = ".", previews;
  for (int i = 1; i + 1 < argc; i += 2) {
    std::string flag = argv[i];
    if (flag == "--root") root = argv[i + 1];
    if (flag == "--previews") previews = argv[i + 1];
  }
  ScreenFonts fonts;
  Typeface mono;
  if (!fonts.bold.load(BoldFontPath) || !fonts.serif.load(SerifFontPath) || !mono.load(MonoFontPath)) {
    std::fprintf(stderr, "make_assets: the DejaVu fonts are missing (install fonts-dejavu-core)\n");
    return 1;
  }
  std::vector<SheetItem> sheet;
  std::error_code ignored;
  for (const char* dir : {"/model", "/texture", "/sounds", "/docs/assets", "/packaging/icons"})
    std::filesystem::create_directories(root + dir, ignored);
  if (!previews.empty()) std::filesystem::create_directories(previews, ignored);

  std::vector<ModelFile> models = make_all_models();
  for (const ModelFile& m : models) check(write_obj(root + "/" + m.file, m.mesh, m.what), m.file);

  Image atlas = make_block_atlas();
  struct Texture {
    std::string file;
    Image image;
    DxtFormat format;
  };
  std::vector<Texture> textures = {{"texture/Cube_BMP_BC7_2.DDS", atlas, FormatDxt1},
                                   {"texture/Holstein.DDS", make_font_atlas(mono), FormatDxt5}};
  for (ScreenImage& s : make_all_screens(fonts)) textures.push_back({s.file, std::move(s.image), FormatDxt1});
  for (const Texture& t : textures) check(write_dds(root + "/" + t.file, t.image, t.format), t.file);

  check(write_wav(root + "/sounds/music.wav", make_music()), "sounds/music.wav");
  check(write_wav(root + "/sounds/step.wav", make_step()), "sounds/step.wav");
  check(write_wav(root + "/sounds/Explosion.wav", make_explosion()), "sounds/Explosion.wav");

  // Previews: what the files hold, decoded back from the DDS data.
  struct Group {
    std::string name;
    std::vector<std::string> files;
    std::vector<int> swing;
  };
  const std::vector<Group> groups = {
      {"girl", {"model/Chica.obj", "model/Brazo1.obj", "model/Brazo2.obj", "model/Pierna1.obj", "model/Pierna2.obj"},
       {0, 1, 1, -1, -1}},
      {"boy", {"model/Chico.obj", "model/Brazo1Chico.obj", "model/Brazo2Chico.obj", "model/Pierna1.obj",
               "model/Pierna2.obj"}, {0, 1, 1, -1, -1}},
      {"ant", {"model/Cuerpo.obj", "model/Pata1.obj", "model/Pata2.obj", "model/Pata3.obj", "model/Pata4.obj",
               "model/Pata5.obj", "model/Pata6.obj"}, {0, -1, 1, -1, 1, -1, 1}},
      {"grenade", {"model/Grenade.obj"}, {0}},
      {"cube", {"model/Cube.obj"}, {0}},
  };
  std::vector<SheetItem> model_items;
  for (const Group& g : groups) {
    Image views = group_views(models, g.files, g.swing, atlas);
    check(write_png(root + "/docs/assets/model_" + g.name + ".png", views), "model view " + g.name);
    model_items.push_back({g.name + ": front, 3/4, side, mid-swing", views});
  }
  for (const Texture& t : textures) {
    Image decoded = decode_level(read_dds(root + "/" + t.file), 0);
    if (t.format == FormatDxt5) decoded = over_checker(decoded);
    if (!previews.empty()) {
      std::string name = t.file.substr(t.file.find('/') + 1);
      check(write_png(previews + "/" + name + ".png", decoded), "preview of " + t.file);
    }
    sheet.push_back({t.file.substr(8), decoded});
  }
  Image models_sheet = contact_sheet(model_items, fonts.bold, 2, 620, "Swarmfall models (own software preview)");
  Image textures_sheet = contact_sheet(sheet, fonts.bold, 5, 244, "Swarmfall textures (decoded from the DDS files)");
  Image both(std::max(models_sheet.width, textures_sheet.width), models_sheet.height + textures_sheet.height,
             rgb(34, 32, 40));
  paste(both, models_sheet, 0, 0);
  paste(both, textures_sheet, 0, models_sheet.height);
  check(write_png(root + "/docs/assets/contact_sheet.png", both), "contact sheet");
  for (const IconImage& icon : make_icons()) {
    std::string file = "packaging/icons/swarmfall-" + std::to_string(icon.size) + ".png";
    check(write_png(root + "/" + file, icon.image), file);
  }
  return failed ? 1 : 0;
}
