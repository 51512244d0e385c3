// A stand-in for the organiser's user library "UserData.dll". Its users come
// from "UserData.txt" beside the DLL, one a line as "name|directory". Lines
// starting with '!' make it misbehave as an outside library may:
//   !length=N      every returned length is N, whatever was written;
//   !unterminated  a text fills the whole buffer, repeated, without a
//                  terminating zero.
#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

// Ids far from the indexes, so a caller that passes an index as an id gets
// nothing.
constexpr unsigned long kFirstId = 7001;

HMODULE self = nullptr;

struct StandInUser {
    std::string name;
    std::string directory;
};

struct Behaviour {
    std::vector<StandInUser> users;
    long returnedLength = -1; // -1: the length written
    bool unterminated = false;
};

std::string TextFilePath() {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(self, path, MAX_PATH);
    const std::string module(path, length);
    return module.substr(0, module.find_last_of('\\') + 1) + "UserData.txt";
}

Behaviour ReadBehaviour() {
    Behaviour behaviour;
    std::ifstream file(TextFilePath());
    for (std::string line; std::getline(file, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line == "!unterminated")
            behaviour.unterminated = true;
        else if (line.starts_with("!length="))
            behaviour.returnedLength = std::strtol(line.c_str() + 8, nullptr, 10);
        else if (const auto bar = line.find('|'); bar != std::string::npos)
            behaviour.users.push_back({line.substr(0, bar), line.substr(bar + 1)});
    }
    return behaviour;
}

// Writes at most the buffer's size, as given on entry.
void WriteText(const Behaviour& behaviour, const std::string& text, char* buffer,
               unsigned short* length) {
    const std::size_t size = *length;
    std::size_t written = 0;
    if (behaviour.unterminated && !text.empty()) {
        for (; written < size; ++written)
            buffer[written] = text[written % text.size()];
    } else if (size > 0) {
        written = text.copy(buffer, size - 1);
        buffer[written] = '\0';
    }
    *length = static_cast<unsigned short>(
        behaviour.returnedLength >= 0 ? behaviour.returnedLength : static_cast<long>(written));
}

// The text of the user with that id; an unknown id gets an empty one.
void WriteUserText(unsigned long id, std::string StandInUser::*text, char* buffer,
                   unsigned short* length) {
    const Behaviour behaviour = ReadBehaviour();
    const unsigned long index = id - kFirstId;
    const bool known = id >= kFirstId && index < behaviour.users.size();
    WriteText(behaviour, known ? behaviour.users[index].*text : std::string(), buffer, length);
}

} // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH)
        self = instance;
    return TRUE;
}

// Only the low 16 bits count; the high ones are noise a caller must mask.
unsigned long WINAPI UmGetUserCount() {
    return 0x5A5A0000UL | static_cast<unsigned long>(ReadBehaviour().users.size());
}

void WINAPI UmGetUserID(unsigned short index, unsigned long* id) {
    *id = kFirstId + index;
}

void WINAPI UmGetUserName(unsigned long id, char* buffer, unsigned short* length) {
    WriteUserText(id, &StandInUser::name, buffer, length);
}

void WINAPI UmGetUserDirectory(unsigned long id, char* buffer, unsigned short* length) {
    WriteUserText(id, &StandInUser::directory, buffer, length);
}

} // extern "C"
