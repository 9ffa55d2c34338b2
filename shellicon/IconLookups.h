// What the icon resolution asks the platform, remembered while one object
// lives: the default values of HKEY_CLASSES_ROOT keys by key name, the file
// tests by path, and the shell namespace's folder listings and icon answers.
// The survey keeps one for a whole run, so shortcuts of the same types,
// targets and folders read the registry, test the file system and enumerate
// the folders once; the next run starts with a new one and sees any change.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "shellicon/ExistingPaths.h"
#include "shellicon/NamespaceSearch.h"

class CIconLookups {
public:
    CIconLookups() = default;
    CIconLookups(const CIconLookups&) = delete;
    CIconLookups& operator=(const CIconLookups&) = delete;

    // The default value of HKEY_CLASSES_ROOT\`keyName`, up to its first zero;
    // false when the key or value is absent or needs more than 256 bytes.
    bool ReadClassesValue(const char* keyName, std::string& value);
    // IsExistingFile(path) and IsDirectoryOrDrive(path), tested once per path
    // as given; the two share their searches, so a path that is no file is
    // searched for once, not once more for the directory test.
    int ExistingFile(const char* path);
    int DirectoryOrDrive(const char* path);
    // The namespace search's folder listings. Once they have been used, COM
    // must stay initialised until this object is destroyed or they let go of
    // their folders (Namespace().ReleaseFolders()).
    CNamespaceListings& Namespace() { return m_namespace; }

private:
    // The platform's search for a path, made once per path.
    FirstEntrySearch Searches();

    // By key name as asked; no value: the key or value is absent.
    std::map<std::string, std::optional<std::string>> m_values;
    std::map<std::string, int> m_existingFiles;
    std::map<std::string, int> m_directories;
    // The first entry's attributes by searched path; none: nothing found.
    std::map<std::string, std::optional<unsigned long>> m_firstEntries;
    CNamespaceListings m_namespace;
};
