// Errors raised while reading skin data (compressed streams, archives). Each carries the one-line
// text a user or skin author sees.
#pragma once

#include <stdexcept>
#include <string>

// Any malformed or unsupported skin data.
class ESkinError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The LZH container or its tables.
class ElzhException : public ESkinError {
public:
    using ESkinError::ESkinError;
};

// The decompressed skin archive.
class ESkinArchiveError : public ESkinError {
public:
    using ESkinError::ESkinError;
};

// An archive of a version code this reader does not know. The Windows side shows its text in a
// message box and leaves the skin unloaded.
class EOlderSkinFile : public ESkinArchiveError {
public:
    EOlderSkinFile()
        : ESkinArchiveError("This is Older Skin File\rPlease update to new version !") {}
};
