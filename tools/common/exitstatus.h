#ifndef TARVEO_TOOLS_COMMON_EXITSTATUS_H
#define TARVEO_TOOLS_COMMON_EXITSTATUS_H

// The exit status of every command-line tool.
namespace ExitStatus {
constexpr int Fine = 0;
constexpr int Failed = 1;   // the file is invalid, differs, or was read only in part
constexpr int Unusable = 2; // a file cannot be read or written, or bad usage
} // namespace ExitStatus

#endif
