#include <string>

#include "ui/screen_resources.h"

namespace {
struct NamedKey {
    int32_t code;
    const char* name;
};

constexpr NamedKey kNamedKeys[] = {
    {32, "Space"},      {44, "Comma"},       {46, "Period"},     {47, "Slash"},
    {59, "SemiColon"},  {61, "Equal"},       {91, "LBracket"},   {92, "BackSlash"},
    {93, "RBracket"},   {256, "Escape"},     {257, "Return"},    {258, "Tab"},
    {259, "BackSpace"}, {260, "Insert"},     {261, "Delete"},    {262, "Right"},
    {263, "Left"},      {264, "Down"},       {265, "Up"},        {266, "PageUp"},
    {267, "PageDown"},  {268, "Home"},       {269, "End"},       {284, "Pause"},
    {331, "Divide"},    {332, "Multiply"},   {333, "Subtract"},  {334, "Add"},
    {340, "LShift"},    {341, "LControl"},   {342, "LAlt"},      {343, "LSystem"},
    {344, "RShift"},    {345, "RControl"},   {346, "RAlt"},      {347, "RSystem"},
    {348, "Menu"},
};
}  // namespace

std::string key_name(int32_t code) {
    if (code >= 65 && code <= 90) return std::string(1, char(code));
    if (code >= 48 && code <= 57) return "Num" + std::to_string(code - 48);
    if (code >= 320 && code <= 329) return "Numpad" + std::to_string(code - 320);
    if (code >= 290 && code <= 304) return "F" + std::to_string(code - 289);
    for (const NamedKey& key : kNamedKeys) {
        if (key.code == code) return key.name;
    }
    return "Unknow";
}
