#pragma once

#include <stdexcept>

// Raised by the card's keyed collections: a position or key that is not there, or a key that is.
class CollectionError : public std::runtime_error {
public:
    enum Code {
        InvalidKey = 5,
        OutOfRange = 9,
        DuplicateKey = 457,
    };

    CollectionError(Code code, const char* message)
        : std::runtime_error(message), errorCode(code) {}

    Code code() const { return errorCode; }

private:
    Code errorCode;
};
