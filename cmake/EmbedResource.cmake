# Writes OUTPUT, a C++ source that registers the bytes of INPUT as resource NAME.
# Run as: cmake -DNAME=... -DINPUT=... -DOUTPUT=... -P EmbedResource.cmake
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hexLength)
math(EXPR size "${hexLength} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
string(MAKE_C_IDENTIFIER "${NAME}" id)
file(WRITE "${OUTPUT}.tmp"
"// Generated from ${INPUT}; do not edit.
#include \"vcl/Resources.h\"

namespace {
const char kData_${id}[] = {${bytes} 0};
const bool kRegistered_${id} =
    (vcl::RegisterResource(\"${NAME}\", std::string_view(kData_${id}, ${size})), true);
} // namespace
")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
