#pragma once

#include <string>
#include <string_view>

namespace nakkas {

class Services;

// The message shown when a file cannot be created (caption "Hata", no icon).
extern const std::string_view kTextFileWriterError;

// The bytes the text file writer puts on disk for a UTF-8 text: one byte per character, each
// LF as CR LF, a CR unchanged, no byte order mark and no final line end. Characters 0 to 255
// keep their value; the six Turkish letters outside Latin-1 become their Windows-1254 bytes so
// the file still reads as Turkish text; anything else (and any broken UTF-8) becomes '?'.
std::string textFileBytes(std::string_view utf8Text);

// Creates or truncates the file at path and writes the text in the form above. When the file
// cannot be written, shows the writer's own message and returns false with nothing written.
bool writeTextFile(Services& services, const std::string& path, std::string_view utf8Text);

// The bytes of a source file as today's editors write it: UTF-8 without a byte order mark, each
// line ending in LF alone (CR LF and a lone CR both become LF). A broken UTF-8 sequence becomes
// U+FFFD, so the file is always valid UTF-8 and no following character is lost.
std::string utf8FileBytes(std::string_view utf8Text);

// Writes the text in that form, with the same message and answer as writeTextFile.
bool writeUtf8TextFile(Services& services, const std::string& path, std::string_view utf8Text);

}  // namespace nakkas
