#pragma once

#include <QString>
#include <stdexcept>

// An image operation that could not do its work. Callers that must carry on turn it into "the
// pending error": its number and its description, which the control also keeps as lastError().
class ImagingError : public std::runtime_error {
public:
    // The numbers are the program's own; 0 means no error.
    enum Number {
        None = 0,
        FileNotFound = 20001,    // no file at that path
        UnknownFormat = 20002,   // the file is not a picture in a format that can be read
        ReadFailed = 20003,      // the picture is damaged or could not be decoded
        TooLarge = 20004,        // the picture would not fit in memory
        WriteFailed = 20005,     // the file could not be written
        InvalidHandle = 20006,   // a handle that names no image or no region
        NoImage = 20007,         // the operation needs an image and the control holds none
        InvalidArgument = 20008, // a size, format or depth the operation does not take
    };

    ImagingError(int number, const QString& description)
        : std::runtime_error(description.toStdString()), errorNumber(number),
          errorDescription(description) {}

    int number() const { return errorNumber; }
    const QString& description() const { return errorDescription; }

    // The description the control gives to each number.
    static QString describe(int number);

private:
    int errorNumber;
    QString errorDescription;
};
