#ifndef TARVEO_MODEL_FILELIMITS_H
#define TARVEO_MODEL_FILELIMITS_H

#include <QtGlobal>

// What the reader takes and the writer may produce. A real classification is
// well under 1 MiB with lines of a few hundred characters; anything far
// beyond is no classification, and refusing it up front keeps a hostile
// file from exhausting memory or time.
namespace FileLimits {

inline constexpr qint64 MaxFileBytes = 64 * 1024 * 1024;
inline constexpr int MaxLineBytes = 64 * 1024;

// Text longer than a line can be is judged invalid without a pattern.
inline constexpr int MaxJudgedLength = MaxLineBytes;

} // namespace FileLimits

#endif
