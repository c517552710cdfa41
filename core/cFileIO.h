#pragma once

#include <cstddef>
#include <functional>
#include <string>

// File access for the records: whole files read through a 2048-byte buffer, and saves that
// write a temporary file beside the target and rename it over the target only when every byte
// is written and flushed, so a failed save never damages the file that was there.

bool FileExists(const std::string& path);
// Throws TFileError with a readable reason when the file cannot be opened or read.
std::string ReadFileBytes(const std::string& path);
// Throws TFileError when the file cannot be created or written; the old file is then untouched.
// A successful save also removes temporary files of this target that an earlier save left when
// its process was killed (only names of our own pattern whose process is gone).
void SaveFileAtomically(const std::string& path, const std::string& bytes);
// For tests: called while a save runs, after the temporary file is made (0), after each buffer
// written (bytes so far) and once more just before the rename. An errno value other than 0 makes
// the save fail there as the system would, e.g. ENOSPC for a full disk. Empty: no hook.
void SetSaveStepHook(std::function<int(std::size_t bytesDone)> hook);
// The text after the last '\', '/' or ':' of a path (paths may come from Windows files).
std::string FileNamePart(const std::string& path);
// Path with its extension replaced (ext includes the dot); a name without one gets it appended.
std::string ChangeFileExt(const std::string& path, const std::string& ext);
// Extension with its dot, as written ("" when there is none).
std::string FileExtension(const std::string& path);
// The entry of folder whose name equals name ignoring ASCII case (an exact match wins), as a full
// path; "" when there is none. Files written on Windows name folders and files in any case.
std::string FindIgnoringCase(const std::string& folder, const std::string& name);
