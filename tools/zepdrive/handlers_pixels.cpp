// Directives about what the current window shows on the screen.
#include <algorithm>
#include <cstdio>

#include "capture.h"
#include "handlers.h"
#include "text.h"

namespace zd {
namespace {

std::string at(long x, long y) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "(%ld,%ld)", x, y);
    return buf;
}

// Captures the client rectangle, or says why it cannot be read now.
bool grab(const Context& c, int x, int y, int w, int h, Image& img, std::string& why) {
    RECT r = {};
    if (!IsWindow(c.current) || !GetClientRect(c.current, &r)) {
        why = "the window is gone";
        return false;
    }
    if (x < 0 || y < 0 || x + w > r.right || y + h > r.bottom) {
        why = "outside the client area of " + std::to_string(r.right) + "x" + std::to_string(r.bottom);
        return false;
    }
    if (!captureClient(c.current, x, y, w, h, img)) {
        why = "the screen could not be read";
        return false;
    }
    return true;
}

// Polls the pixel at (x, y) until want(pixel) holds.
template <class Want>
Outcome waitPixel(Context& c, const Directive& d, const std::string& expected, Want want) {
    int x = (int)d.args[0].num, y = (int)d.args[1].num;
    std::string seen;
    bool ok = pollFor(c.timeoutMs, [&] {
        Image img;
        if (!grab(c, x, y, 1, 1, img, seen)) return Poll::Wait;
        seen = pixelText(img.at(0, 0));
        return img.at(0, 0) != kOffScreen && want(img.at(0, 0)) ? Poll::Done : Poll::Wait;
    });
    return ok ? pass() : fail(expected + " at " + at(x, y), seen);
}

// Position of the first pixel not equal to rgb, or -1.
long firstDiffering(const Image& img, uint32_t rgb) {
    for (size_t i = 0; i < img.px.size(); ++i) {
        if (img.px[i] != rgb) return (long)i;
    }
    return -1;
}

}  // namespace

Outcome runPixel(Context& c, const Directive& d) {
    uint32_t rgb = (uint32_t)d.args[2].num;
    return waitPixel(c, d, colourText(rgb), [&](uint32_t px) { return px == rgb; });
}

Outcome runNotPixel(Context& c, const Directive& d) {
    uint32_t rgb = (uint32_t)d.args[2].num;
    return waitPixel(c, d, "not " + colourText(rgb), [&](uint32_t px) { return px != rgb; });
}

// Polls the rectangle of arguments 0 to 3 until look(image) says it holds
// what is expected; look sets seen when it does not.
template <class Look>
Outcome waitRect(Context& c, const Directive& d, const std::string& expected, Look look) {
    int x = (int)d.args[0].num, y = (int)d.args[1].num;
    int w = (int)d.args[2].num, h = (int)d.args[3].num;
    std::string seen;
    bool ok = pollFor(c.timeoutMs, [&] {
        Image img;
        if (!grab(c, x, y, w, h, img, seen)) return Poll::Wait;
        return look(img, seen) ? Poll::Done : Poll::Wait;
    });
    std::string area = at(x, y) + " size " + std::to_string(w) + "x" + std::to_string(h);
    return ok ? pass() : fail(expected + " in " + area, seen);
}

Outcome runRect(Context& c, const Directive& d) {
    uint32_t rgb = (uint32_t)d.args[4].num;
    int x = (int)d.args[0].num, y = (int)d.args[1].num, w = (int)d.args[2].num;
    return waitRect(c, d, "all " + colourText(rgb), [&](const Image& img, std::string& seen) {
        long i = firstDiffering(img, rgb);
        if (i >= 0) seen = "first other pixel " + at(x + i % w, y + i / w) + " is " + pixelText(img.px[i]);
        return i < 0;
    });
}

// hascolour: polls until at least one pixel of the rectangle has the colour
// (a word drawn in it, a mark behind it).
Outcome runHasColour(Context& c, const Directive& d) {
    uint32_t rgb = (uint32_t)d.args[4].num;
    return waitRect(c, d, colourText(rgb) + " somewhere", [&](const Image& img, std::string& seen) {
        if (std::find(img.px.begin(), img.px.end(), rgb) != img.px.end()) return true;
        seen = "none of it; the first pixel is " + pixelText(img.px[0]);
        return false;
    });
}

// notblank: polls until the client area shows at least two colours.
Outcome runNotBlank(Context& c, const Directive&) {
    std::string seen = "the screen could not be read";
    bool ok = pollFor(c.timeoutMs, [&] {
        Image img;
        if (!captureWholeClient(c.current, img) || img.px.empty()) return Poll::Wait;
        for (uint32_t px : img.px) {
            if (px != img.px[0]) return Poll::Done;
        }
        seen = "all " + pixelText(img.px[0]);
        return Poll::Wait;
    });
    return ok ? pass() : fail("a client area of more than one colour", seen);
}

Outcome runShot(Context& c, const Directive& d) {
    std::string path = scriptRelative(c, d.args[0].text);
    Image img;
    if (!captureWholeClient(c.current, img)) return fail("a screenshot", "the screen could not be read");
    if (!saveBmp(path, img)) return fail("a screenshot in " + path, "the file could not be written");
    return pass();
}

}  // namespace zd
