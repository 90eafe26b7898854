#include "core/errors.h"

namespace calvorin {

ConvertError ConvertError::floatValue(const std::string& text) {
    return ConvertError("'" + text + "' is not a valid floating point value");
}

ConvertError ConvertError::integerValue(const std::string& text) {
    return ConvertError("'" + text + "' is not a valid integer value");
}

FileError FileError::cannotCreate(const std::string& fileName) {
    return FileError("Cannot create file " + fileName);
}

FileError FileError::cannotRead(const std::string& fileName) {
    return FileError("Cannot read file " + fileName);
}

} // namespace calvorin
