// Another program that holds a hotkey combination, for the tests of who
// holds a combination.
#pragma once

#include <windows.h>

#include <string>

// Another program that holds a combination through RegisterHotKey: this test
// program started again with --hold-hotkey, holding it until the holder goes.
class CHotKeyHolder {
public:
    CHotKeyHolder(UINT modifiers, UINT key)
    {
        SECURITY_ATTRIBUTES inherited = {sizeof(inherited), nullptr, TRUE};
        HANDLE childInput = nullptr, childOutput = nullptr;
        ::CreatePipe(&childInput, &m_input, &inherited, 0);
        ::CreatePipe(&m_output, &childOutput, &inherited, 0);
        ::SetHandleInformation(m_input, HANDLE_FLAG_INHERIT, 0);
        ::SetHandleInformation(m_output, HANDLE_FLAG_INHERIT, 0);
        char self[MAX_PATH] = {};
        ::GetModuleFileNameA(nullptr, self, MAX_PATH);
        std::string command = "\"" + std::string(self) + "\" --hold-hotkey=" + std::to_string(modifiers) + "," + std::to_string(key);
        STARTUPINFOA startup = {};
        startup.cb = sizeof(startup);
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = childInput;
        startup.hStdOutput = childOutput;
        startup.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
        m_started = ::CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &m_process);
        ::CloseHandle(childInput);
        ::CloseHandle(childOutput);
        char answer[4] = {};
        DWORD read = 0;
        m_held = m_started && ::ReadFile(m_output, answer, 4, &read, nullptr) && std::string(answer, read) == "held";
    }
    ~CHotKeyHolder()
    {
        ::CloseHandle(m_input);
        if (m_started) {
            ::WaitForSingleObject(m_process.hProcess, 10000);
            ::CloseHandle(m_process.hProcess);
            ::CloseHandle(m_process.hThread);
        }
        ::CloseHandle(m_output);
    }
    CHotKeyHolder(const CHotKeyHolder&) = delete;
    CHotKeyHolder& operator=(const CHotKeyHolder&) = delete;

    bool Held() const { return m_held; }

private:
    HANDLE m_input = nullptr, m_output = nullptr;
    PROCESS_INFORMATION m_process = {};
    bool m_started = false, m_held = false;
};
