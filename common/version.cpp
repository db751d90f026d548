// Placeholder translation unit so the library exists before its first format lands.
namespace common {
int libraryVersion() {
    return 1;
}
} // namespace common
