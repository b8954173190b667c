// SPDX-FileCopyrightText: 2026 Quiet Grid Games
// SPDX-License-Identifier: GPL-3.0-or-later

// A UI Automation client for the game under Wine: it asks UI Automation for the
// game's window, as Narrator or NVDA would (Qt's bridge stays silent until a
// client has), then presses keys and checks what the game raised after each.
// Wine 10 delivers no notification events to clients (its
// AddNotificationEventHandler is a stub), so they are read from the game's Wine
// log (debug channel "uiautomation"), which grows as the game runs:
//
//   uia_client LOG TITLE KEY TEXT [KEY TEXT]...
//
// KEY is a character or "Return". After each key the notifications raised must
// read TEXT, the first within 10 s and no second within half a second ("-":
// none within 1 s). After a move no focus-changed event may be raised either (a
// reader would read the focused control again); "-" (a box opens) and "Return"
// (it closes) move the focus. Exits 0 when all were so.

#include <cstdio>
#include <fstream>
#include <string>
#include <uiautomationclient.h>

namespace {

// Reads the log on from `read` bytes to its last whole line: the texts of the
// notifications, " | " between them, and the count of focus changes.
void readOn(const char* path, std::streamoff& read, std::string& notified, int& focusChanges)
{
    std::ifstream log(path, std::ios::binary);
    log.seekg(read);
    for (std::string line; std::getline(log, line) && !log.eof(); read += std::streamoff(line.size()) + 1) {
        if (const auto at = line.find("UiaRaiseNotificationEvent"); at != std::string::npos) {
            const auto open = line.find("L\"", at) + 2;
            notified += (notified.empty() ? "" : " | ") + line.substr(open, line.find('"', open) - open);
        }
        focusChanges += line.find("UiaRaiseAutomationEvent") != std::string::npos &&
                        line.ends_with(", " + std::to_string(UIA_AutomationFocusChangedEventId) + ")");
    }
}

}  // namespace

int main(int argc, char** argv)
{
    IUIAutomation* automation = nullptr;
    IUIAutomationElement* element = nullptr;
    BSTR name = nullptr;
    HWND game = nullptr;
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    CoCreateInstance(CLSID_CUIAutomation, nullptr, CLSCTX_INPROC_SERVER, IID_IUIAutomation,
                     reinterpret_cast<void**>(&automation));
    for (int tries = 0; argc > 2 && game == nullptr && tries < 300; ++tries) {
        Sleep(100);
        game = FindWindowA(nullptr, argv[2]);
    }
    if (argc % 2 != 1 || game == nullptr || automation == nullptr ||
        FAILED(automation->ElementFromHandle(game, &element)) || FAILED(element->get_CurrentName(&name))) {
        std::fprintf(stderr,
                     "no game window through UI Automation (usage: uia_client LOG TITLE KEY TEXT...)\n");
        return 2;
    }
    std::printf("UI Automation names the game's window \"%ls\"\n", name);
    SetForegroundWindow(game);
    Sleep(500);
    std::streamoff read = 0;
    std::string notified;
    int focusChanges = 0, faults = 0;
    readOn(argv[1], read, notified, focusChanges);  // what came before the first key
    for (int i = 3; i < argc; i += 2) {
        const std::string key = argv[i], expected = argv[i + 1] == std::string("-") ? "" : argv[i + 1];
        INPUT input[2] = {{INPUT_KEYBOARD}, {INPUT_KEYBOARD}};
        input[0].ki.wVk = input[1].ki.wVk = key == "Return" ? VK_RETURN : LOBYTE(VkKeyScanA(key[0]));
        input[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, input, sizeof(INPUT));
        notified.clear();
        focusChanges = 0;
        for (int waited = 0; waited < (expected.empty() ? 1000 : 10000) && notified.empty(); waited += 50) {
            Sleep(50);
            readOn(argv[1], read, notified, focusChanges);
        }
        Sleep(500);
        readOn(argv[1], read, notified, focusChanges);
        const bool right = notified == expected && (expected.empty() || key == "Return" || focusChanges == 0);
        std::printf("%s: key %s, notified \"%s\", %d focus changes\n", right ? "ok" : "FAIL", key.c_str(),
                    notified.c_str(), focusChanges);
        faults += right ? 0 : 1;
    }
    return faults == 0 ? 0 : 1;
}
