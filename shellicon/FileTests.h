// What a path names in the file system (Windows only).
#pragma once

// 1 if the absolute or network path names an existing file (not a directory).
int IsExistingFile(const char* path);
// 1 if the path names a drive root or an existing directory.
int IsDirectoryOrDrive(const char* path);
