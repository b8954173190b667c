// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

// A UI Automation client for the game under Wine: it asks UI Automation for the
// game's window by its title, as Narrator or NVDA would (Qt's bridge stays
// silent until a client has) and for the name it gives the window, then
// presses each key (a character, or Return) and, before each, writes "key K"
// on a line of its own to LOG, the game's Wine log, for tests/windows/uia_game.sh
// to read what the game raised after it:
//
//   uia_client LOG TITLE KEY...

#include <cstdio>
#include <uiautomationclient.h>

int main(int argc, char** argv)
{
    IUIAutomation* automation = nullptr;
    IUIAutomationElement* element = nullptr;
    BSTR name = nullptr;
    HWND game = nullptr;
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    CoCreateInstance(CLSID_CUIAutomation, nullptr, CLSCTX_INPROC_SERVER, IID_IUIAutomation,
                     reinterpret_cast<void**>(&automation));
    for (int tries = 0; argc > 2 && game == nullptr && tries < 300; ++tries, Sleep(100)) {
        game = FindWindowA(nullptr, argv[2]);
    }
    if (game == nullptr || automation == nullptr || FAILED(automation->ElementFromHandle(game, &element)) ||
        FAILED(element->get_CurrentName(&name))) {
        std::fprintf(stderr, "no game window through UI Automation (usage: uia_client LOG TITLE KEY...)\n");
        return 2;
    }
    SetForegroundWindow(game);
    for (int i = 3; i < argc; ++i) {
        Sleep(i == 3 ? 500 : 1500);  // for what the key before brought
        FILE* log = std::fopen(argv[1], "ab");
        std::fprintf(log, "key %s\n", argv[i]);
        std::fclose(log);
        INPUT input[2] = {};
        input[0].type = input[1].type = INPUT_KEYBOARD;
        input[0].ki.wVk = input[1].ki.wVk = argv[i][1] != '\0' ? VK_RETURN : LOBYTE(VkKeyScanA(argv[i][0]));
        input[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, input, sizeof(INPUT));
    }
    Sleep(1500);
    return 0;
}
