#pragma once

#include <stdexcept>
#include <string>

// Every failure the engine reports to a user travels as a TQueltaError whose what() is the text the
// user reads after "Error in procedure X: ".
class TQueltaError : public std::runtime_error {
public:
    explicit TQueltaError(const std::string& text) : std::runtime_error(text) {}
};

// The typed value stream met a tag of the wrong kind or ran out of bytes.
class TStreamError : public TQueltaError {
public:
    using TQueltaError::TQueltaError;
};

// A file could not be opened, created or written.
class TFileError : public TQueltaError {
public:
    using TQueltaError::TQueltaError;
};

// A text in an entry field is not a number.
class TConversionError : public TQueltaError {
public:
    using TQueltaError::TQueltaError;
};

// A calculation met a value it cannot work with (a logarithm of a non-positive number, a division
// by zero); the run ends and the text says which.
class TCalcError : public TQueltaError {
public:
    using TQueltaError::TQueltaError;
};
