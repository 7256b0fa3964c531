#pragma once

#include "common/command_line.h"
#include "flume/full_check.h"
#include "inputfile/tvl_file.h"

#include <QGuiApplication>
#include <QString>
#include <cstdio>
#include <memory>

// What the commands that write a PDF from a file share ("tavrel --pdf", "tavrel --document"): the
// operands OUT.pdf and FILE.tvl checked, the report faces started, the file read with its notes on
// standard error, the pages walked as "tavrel --check" walks them and the messages written.
struct WalkedFile {
    std::unique_ptr<QGuiApplication> app;
    QString out_path, tvl_path;
    inputfile::TvlContents contents;
    flume::WalkedFlume walk;
    bool damaged = false;       // a section of the file's extension could not be read
    std::FILE *lines = stdout;  // the command's own lines: standard error when the PDF goes to standard output

    // 0 when the file was read whole and the chain ran to Case 3 without a message, otherwise 1.
    int status() const { return walk.passed() && !damaged ? 0 : 1; }
};

// The walked file, or null after the failure was reported (exit status 2).
std::unique_ptr<WalkedFile> walk_file(const QString &command, int &argc, char *argv[], const common::CommandLine &line);
