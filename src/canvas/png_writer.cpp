#include "canvas/png_writer.h"

#include <png.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace kolvar {

namespace {

std::string SystemError(const char* what, const std::string& path) {
    return std::string(what) + " " + path + ": " + std::strerror(errno);
}

}  // namespace

std::string WritePng(const Bitmap& bitmap, const std::string& path) {
    if (bitmap.Width() <= 0 || bitmap.Height() <= 0) return "cannot write an empty image to " + path;
    if (path.empty()) return "no output file name given";

    std::vector<char> tmpl(path.begin(), path.end());
    const char suffix[] = ".tmp-XXXXXX";
    tmpl.insert(tmpl.end(), suffix, suffix + sizeof suffix);  // with the terminating zero
    const int fd = mkstemp(tmpl.data());
    if (fd < 0) return SystemError("cannot create a file beside", path);
    const std::string tmpPath(tmpl.data());
    // mkstemp makes the file private; give it the permissions a plain new file gets.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(fd, static_cast<mode_t>(0666 & ~mask));
    FILE* file = fdopen(fd, "wb");
    if (!file) {
        const std::string err = SystemError("cannot open", tmpPath);
        close(fd);
        std::remove(tmpPath.c_str());
        return err;
    }

    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(bitmap.Width());
    image.height = static_cast<png_uint_32>(bitmap.Height());
    image.format = PNG_FORMAT_RGB;
    const bool encoded = png_image_write_to_stdio(&image, file, 0, bitmap.Data(), bitmap.Stride(), nullptr) != 0;
    std::string err;
    if (!encoded) err = std::string("cannot encode PNG for ") + path + ": " + image.message;
    png_image_free(&image);
    // Flush and close before the rename, so a full disk shows up here.
    if (std::fflush(file) != 0 && err.empty()) err = SystemError("cannot write", path);
    if (err.empty() && fsync(fileno(file)) != 0 && errno != EINVAL) err = SystemError("cannot write", path);
    if (std::fclose(file) != 0 && err.empty()) err = SystemError("cannot write", path);
    if (err.empty() && std::rename(tmpPath.c_str(), path.c_str()) != 0) err = SystemError("cannot replace", path);
    if (!err.empty()) std::remove(tmpPath.c_str());
    return err;
}

}  // namespace kolvar
