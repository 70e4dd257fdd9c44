#include "KeyNames.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "KeyCodes.h"

namespace host {

namespace {

struct NamedKey {
    std::string_view name;
    DWORD code;
};

constexpr NamedKey kKeys[] = {
    {"Escape", OAPI_KEY_ESCAPE},
    {"1", OAPI_KEY_1}, {"2", OAPI_KEY_2}, {"3", OAPI_KEY_3}, {"4", OAPI_KEY_4}, {"5", OAPI_KEY_5},
    {"6", OAPI_KEY_6}, {"7", OAPI_KEY_7}, {"8", OAPI_KEY_8}, {"9", OAPI_KEY_9}, {"0", OAPI_KEY_0},
    {"Minus", OAPI_KEY_MINUS}, {"Equals", OAPI_KEY_EQUALS}, {"Backspace", OAPI_KEY_BACK}, {"Tab", OAPI_KEY_TAB},
    {"Q", OAPI_KEY_Q}, {"W", OAPI_KEY_W}, {"E", OAPI_KEY_E}, {"R", OAPI_KEY_R}, {"T", OAPI_KEY_T},
    {"Y", OAPI_KEY_Y}, {"U", OAPI_KEY_U}, {"I", OAPI_KEY_I}, {"O", OAPI_KEY_O}, {"P", OAPI_KEY_P},
    {"LeftBracket", OAPI_KEY_LBRACKET}, {"RightBracket", OAPI_KEY_RBRACKET}, {"Return", OAPI_KEY_RETURN},
    {"LeftControl", OAPI_KEY_LCONTROL},
    {"A", OAPI_KEY_A}, {"S", OAPI_KEY_S}, {"D", OAPI_KEY_D}, {"F", OAPI_KEY_F}, {"G", OAPI_KEY_G},
    {"H", OAPI_KEY_H}, {"J", OAPI_KEY_J}, {"K", OAPI_KEY_K}, {"L", OAPI_KEY_L},
    {"Semicolon", OAPI_KEY_SEMICOLON}, {"Apostrophe", OAPI_KEY_APOSTROPHE}, {"Grave", OAPI_KEY_GRAVE},
    {"LeftShift", OAPI_KEY_LSHIFT}, {"Backslash", OAPI_KEY_BACKSLASH},
    {"Z", OAPI_KEY_Z}, {"X", OAPI_KEY_X}, {"C", OAPI_KEY_C}, {"V", OAPI_KEY_V}, {"B", OAPI_KEY_B},
    {"N", OAPI_KEY_N}, {"M", OAPI_KEY_M},
    {"Comma", OAPI_KEY_COMMA}, {"Period", OAPI_KEY_PERIOD}, {"Slash", OAPI_KEY_SLASH},
    {"RightShift", OAPI_KEY_RSHIFT}, {"Multiply", OAPI_KEY_MULTIPLY}, {"LeftAlt", OAPI_KEY_LALT},
    {"Space", OAPI_KEY_SPACE}, {"CapsLock", OAPI_KEY_CAPITAL},
    {"F1", OAPI_KEY_F1}, {"F2", OAPI_KEY_F2}, {"F3", OAPI_KEY_F3}, {"F4", OAPI_KEY_F4}, {"F5", OAPI_KEY_F5},
    {"F6", OAPI_KEY_F6}, {"F7", OAPI_KEY_F7}, {"F8", OAPI_KEY_F8}, {"F9", OAPI_KEY_F9}, {"F10", OAPI_KEY_F10},
    {"F11", OAPI_KEY_F11}, {"F12", OAPI_KEY_F12},
};

bool SameLetters(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

std::string_view KeyName(DWORD code) {
    for (const NamedKey& k : kKeys)
        if (k.code == code) return k.name;
    return {};
}

bool ParseKey(std::string_view text, DWORD& code) {
    for (const NamedKey& k : kKeys)
        if (SameLetters(k.name, text)) {
            code = k.code;
            return true;
        }
    if (text.size() < 3 || text[0] != '0' || (text[1] != 'x' && text[1] != 'X')) return false;
    unsigned value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, ec] = std::from_chars(text.data() + 2, end, value, 16);
    if (ec != std::errc() || stop != end || value == 0 || value >= OAPI_KEY_STATE_SIZE) return false;
    code = value;
    return true;
}

}  // namespace host
