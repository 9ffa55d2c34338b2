// File types registered under HKEY_CLASSES_ROOT by a test (Wine's does not
// show HKEY_CURRENT_USER's classes there), put back when it ends.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Default values written under HKEY_CLASSES_ROOT for one test. Every key it
// touches is put back as it was, in reverse order, when the test ends.
class ClassesRegistry {
public:
    ClassesRegistry() = default;
    ClassesRegistry(const ClassesRegistry&) = delete;
    ClassesRegistry& operator=(const ClassesRegistry&) = delete;
    ~ClassesRegistry()
    {
        for (auto before = m_before.rbegin(); before != m_before.rend(); ++before)
            Restore(*before);
    }

    // Sets the default value of `key` to `text` with its terminator.
    void Set(const std::string& key, const std::string& text, DWORD type = REG_SZ)
    {
        SetBytes(key, std::string(text.c_str(), text.size() + 1), type);
    }

    // Sets the default value of `key` (made with its parents as needed) to
    // exactly `bytes`.
    void SetBytes(const std::string& key, const std::string& bytes, DWORD type)
    {
        for (size_t end = key.find('\\'); end != std::string::npos; end = key.find('\\', end + 1))
            Remember(key.substr(0, end));
        Remember(key);
        HKEY handle = nullptr;
        ASSERT_EQ(::RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle,
                                    nullptr),
                  ERROR_SUCCESS)
            << key;
        EXPECT_EQ(::RegSetValueExA(handle, "", 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                                   static_cast<DWORD>(bytes.size())),
                  ERROR_SUCCESS)
            << key;
        ::RegCloseKey(handle);
    }

    // Deletes `key`, a key without subkeys, for the test.
    void Remove(const std::string& key)
    {
        Remember(key);
        ::RegDeleteKeyA(HKEY_CLASSES_ROOT, key.c_str());
    }

private:
    struct Before {
        std::string key;
        bool existed;
        bool hadValue;
        DWORD type;
        std::string bytes;
    };

    void Remember(const std::string& key)
    {
        Before before = {key, false, false, 0, std::string(4096, '\0')};
        HKEY handle = nullptr;
        before.existed = ::RegOpenKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_QUERY_VALUE, &handle) == ERROR_SUCCESS;
        DWORD size = static_cast<DWORD>(before.bytes.size());
        BYTE* data = reinterpret_cast<BYTE*>(&before.bytes[0]);
        before.hadValue =
            before.existed && ::RegQueryValueExA(handle, "", nullptr, &before.type, data, &size) == ERROR_SUCCESS;
        before.bytes.resize(before.hadValue ? size : 0);
        if (handle != nullptr)
            ::RegCloseKey(handle);
        m_before.push_back(before);
    }

    static void Restore(const Before& before)
    {
        if (!before.existed) {
            ::RegDeleteKeyA(HKEY_CLASSES_ROOT, before.key.c_str());
            return;
        }
        HKEY handle = nullptr;
        if (::RegCreateKeyExA(HKEY_CLASSES_ROOT, before.key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &handle,
                              nullptr) != ERROR_SUCCESS)
            return;
        if (before.hadValue)
            ::RegSetValueExA(handle, "", 0, before.type, reinterpret_cast<const BYTE*>(before.bytes.data()),
                             static_cast<DWORD>(before.bytes.size()));
        else
            ::RegDeleteValueA(handle, "");
        ::RegCloseKey(handle);
    }

    std::vector<Before> m_before;
};
