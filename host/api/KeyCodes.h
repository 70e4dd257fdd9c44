// The host's keyboard codes, as clbkConsumeBufferedKey receives them: the scan codes of a PC
// keyboard's main block, which also index the key state buffer (a key is down while its byte has
// 0x80 set).
#pragma once

#include "HostTypes.h"

constexpr DWORD OAPI_KEY_ESCAPE = 0x01;
constexpr DWORD OAPI_KEY_1 = 0x02;
constexpr DWORD OAPI_KEY_2 = 0x03;
constexpr DWORD OAPI_KEY_3 = 0x04;
constexpr DWORD OAPI_KEY_4 = 0x05;
constexpr DWORD OAPI_KEY_5 = 0x06;
constexpr DWORD OAPI_KEY_6 = 0x07;
constexpr DWORD OAPI_KEY_7 = 0x08;
constexpr DWORD OAPI_KEY_8 = 0x09;
constexpr DWORD OAPI_KEY_9 = 0x0A;
constexpr DWORD OAPI_KEY_0 = 0x0B;
constexpr DWORD OAPI_KEY_MINUS = 0x0C;
constexpr DWORD OAPI_KEY_EQUALS = 0x0D;
constexpr DWORD OAPI_KEY_BACK = 0x0E;
constexpr DWORD OAPI_KEY_TAB = 0x0F;
constexpr DWORD OAPI_KEY_Q = 0x10;
constexpr DWORD OAPI_KEY_W = 0x11;
constexpr DWORD OAPI_KEY_E = 0x12;
constexpr DWORD OAPI_KEY_R = 0x13;
constexpr DWORD OAPI_KEY_T = 0x14;
constexpr DWORD OAPI_KEY_Y = 0x15;
constexpr DWORD OAPI_KEY_U = 0x16;
constexpr DWORD OAPI_KEY_I = 0x17;
constexpr DWORD OAPI_KEY_O = 0x18;
constexpr DWORD OAPI_KEY_P = 0x19;
constexpr DWORD OAPI_KEY_LBRACKET = 0x1A;
constexpr DWORD OAPI_KEY_RBRACKET = 0x1B;
constexpr DWORD OAPI_KEY_RETURN = 0x1C;
constexpr DWORD OAPI_KEY_LCONTROL = 0x1D;
constexpr DWORD OAPI_KEY_A = 0x1E;
constexpr DWORD OAPI_KEY_S = 0x1F;
constexpr DWORD OAPI_KEY_D = 0x20;
constexpr DWORD OAPI_KEY_F = 0x21;
constexpr DWORD OAPI_KEY_G = 0x22;
constexpr DWORD OAPI_KEY_H = 0x23;
constexpr DWORD OAPI_KEY_J = 0x24;
constexpr DWORD OAPI_KEY_K = 0x25;
constexpr DWORD OAPI_KEY_L = 0x26;
constexpr DWORD OAPI_KEY_SEMICOLON = 0x27;
constexpr DWORD OAPI_KEY_APOSTROPHE = 0x28;
constexpr DWORD OAPI_KEY_GRAVE = 0x29;
constexpr DWORD OAPI_KEY_LSHIFT = 0x2A;
constexpr DWORD OAPI_KEY_BACKSLASH = 0x2B;
constexpr DWORD OAPI_KEY_Z = 0x2C;
constexpr DWORD OAPI_KEY_X = 0x2D;
constexpr DWORD OAPI_KEY_C = 0x2E;
constexpr DWORD OAPI_KEY_V = 0x2F;
constexpr DWORD OAPI_KEY_B = 0x30;
constexpr DWORD OAPI_KEY_N = 0x31;
constexpr DWORD OAPI_KEY_M = 0x32;
constexpr DWORD OAPI_KEY_COMMA = 0x33;
constexpr DWORD OAPI_KEY_PERIOD = 0x34;
constexpr DWORD OAPI_KEY_SLASH = 0x35;
constexpr DWORD OAPI_KEY_RSHIFT = 0x36;
constexpr DWORD OAPI_KEY_MULTIPLY = 0x37;  // on the numeric keypad
constexpr DWORD OAPI_KEY_LALT = 0x38;
constexpr DWORD OAPI_KEY_SPACE = 0x39;
constexpr DWORD OAPI_KEY_CAPITAL = 0x3A;
constexpr DWORD OAPI_KEY_F1 = 0x3B;
constexpr DWORD OAPI_KEY_F2 = 0x3C;
constexpr DWORD OAPI_KEY_F3 = 0x3D;
constexpr DWORD OAPI_KEY_F4 = 0x3E;
constexpr DWORD OAPI_KEY_F5 = 0x3F;
constexpr DWORD OAPI_KEY_F6 = 0x40;
constexpr DWORD OAPI_KEY_F7 = 0x41;
constexpr DWORD OAPI_KEY_F8 = 0x42;
constexpr DWORD OAPI_KEY_F9 = 0x43;
constexpr DWORD OAPI_KEY_F10 = 0x44;
constexpr DWORD OAPI_KEY_F11 = 0x57;
constexpr DWORD OAPI_KEY_F12 = 0x58;

// The size of the key state buffer handed to the key callbacks.
constexpr DWORD OAPI_KEY_STATE_SIZE = 256;
