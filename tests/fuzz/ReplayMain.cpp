// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a fuzz target over its committed inputs where there is no libFuzzer (the g++ builds):
//   fuzz_TARGET FILE_OR_FOLDER...
// Each file is one input. A target reports a mismatch by aborting; an empty corpus fails too,
// since a test that ran nothing shows nothing.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

void Replay(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "Cannot read %s\n", qPrintable(path));
        std::exit(1);
    }
    const QByteArray bytes = file.readAll();
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                           static_cast<std::size_t>(bytes.size()));
}

} // namespace

int main(int argc, char** argv) {
    // The targets may change the working directory.
    QStringList paths;
    for (int i = 1; i < argc; ++i)
        paths << QFileInfo(QFile::decodeName(argv[i])).absoluteFilePath();
    LLVMFuzzerInitialize(&argc, &argv);
    int inputs = 0;
    for (const QString& path : paths) {
        QStringList files;
        if (QFileInfo(path).isDir()) {
            const QDir folder(path);
            for (const QString& name : folder.entryList(QDir::Files, QDir::Name))
                files << folder.filePath(name);
        } else {
            files << path;
        }
        for (const QString& file : files) {
            std::printf("%s\n", qPrintable(file));
            std::fflush(stdout);
            Replay(file);
            ++inputs;
        }
    }
    std::printf("%d inputs, no mismatch\n", inputs);
    return inputs > 0 ? 0 : 1;
}
