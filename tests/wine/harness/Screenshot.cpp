#include "Screenshot.h"

#include "Processes.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace vurozud::wine {

Screenshot Screenshot::FromPortablePixmap(const std::string& bytes) {
    std::istringstream in(bytes);
    std::string magic;
    int maximum = 0;
    Screenshot shot;
    in >> magic >> shot.width_ >> shot.height_ >> maximum;
    in.get(); // the single white space before the pixels
    if (magic != "P6" || maximum != 255 || shot.width_ <= 0 || shot.height_ <= 0)
        throw std::runtime_error("not a 24-bit portable pixmap");
    shot.rgb_.resize(static_cast<std::size_t>(shot.width_) * shot.height_ * 3);
    in.read(reinterpret_cast<char*>(shot.rgb_.data()), static_cast<std::streamsize>(shot.rgb_.size()));
    if (in.gcount() != static_cast<std::streamsize>(shot.rgb_.size()))
        throw std::runtime_error("screenshot cut short");
    return shot;
}

Colour Screenshot::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        throw std::out_of_range("pixel outside the screen");
    const std::size_t at = (static_cast<std::size_t>(y) * width_ + x) * 3;
    return {rgb_[at], rgb_[at + 1], rgb_[at + 2]};
}

int Screenshot::Count(const Rect& area, Colour colour) const {
    int count = 0;
    for (int y = area.Top; y < area.Bottom; ++y)
        for (int x = area.Left; x < area.Right; ++x)
            count += At(x, y) == colour;
    return count;
}

void Screenshot::SavePng(const std::string& path) const {
    const std::string pixmap = path + ".ppm";
    {
        std::ofstream out(pixmap, std::ios::binary);
        out << "P6\n" << width_ << ' ' << height_ << "\n255\n";
        out.write(reinterpret_cast<const char*>(rgb_.data()), static_cast<std::streamsize>(rgb_.size()));
    }
    RunProgram({"convert", pixmap, path});
    std::remove(pixmap.c_str());
}

} // namespace vurozud::wine
