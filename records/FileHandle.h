// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A file handle of the system's, closed when it goes out of scope.

#include <unistd.h>

class FileHandle {
  public:
    explicit FileHandle(int fd = -1) : Fd(fd) {}
    ~FileHandle() {
        if (Fd >= 0)
            ::close(Fd);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int Get() const { return Fd; }
    // Takes another handle in place of this one, closing this one.
    void Reset(int fd = -1) {
        if (Fd >= 0)
            ::close(Fd);
        Fd = fd;
    }
    // Gives the handle away: it is no longer closed here.
    int Release() {
        const int fd = Fd;
        Fd = -1;
        return fd;
    }
    // Closes now, reporting the error that a close can bring.
    int Close() {
        const int result = ::close(Fd);
        Fd = -1;
        return result;
    }

  private:
    int Fd;
};
