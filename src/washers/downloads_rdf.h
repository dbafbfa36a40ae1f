#pragma once
// Firefox's list of downloads, "downloads.rdf": the files it names, read without system calls.
// The file is written by the browser from what web pages offered for download, so every name
// it yields is checked before anything is washed.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The resources of the lines holding <nc:file rdf:resource="...">, from the last line to the
// first: the text after the marker up to its closing quote and "/>", empty when none follows.
// Every other line is dropped.
std::vector<std::string> DownloadedFileResources(std::string_view rdfText);

// A "file:///" address as a local path: percent escapes decoded, forward slashes turned into
// backslashes, "C|" read as "C:". Nothing for any other address, and for what would not be a
// plain absolute file path on a drive: a network path, a relative part ("." or ".."), wildcards,
// a stream name, control characters, a trailing backslash or text that is not UTF-8.
std::optional<std::string> FileAddressToPath(std::string_view address);
