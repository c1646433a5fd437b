// Logos drawn from shapes tested at each pixel's centre, so they come out the same everywhere.
#include "tools/logo_design.h"

#include <array>
#include <cmath>
#include <vector>

namespace {
constexpr Rgb kWindowGrey{192, 192, 192};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kNavy{24, 40, 120};
constexpr Rgb kGold{240, 190, 40};
constexpr double kPi = 3.14159265358979323846;

struct Point {
    double x;
    double y;
};

// Even-odd rule: a ray to the right crosses the outline an odd number of times.
bool inside(const std::vector<Point>& polygon, Point p) {
    bool in = false;
    for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const Point a = polygon[i];
        const Point b = polygon[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) {
            in = !in;
        }
    }
    return in;
}

std::vector<Point> pentagon(Point centre, double radius, double turn) {
    std::vector<Point> corners;
    for (int i = 0; i < 5; ++i) {
        const double angle = turn + i * 2 * kPi / 5;
        corners.push_back(
            {centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle)});
    }
    return corners;
}

// A pixel whose centre lies outside shape but touches one inside it along a side.
template <typename Inside>
bool onEdge(int x, int y, Inside shapeContains) {
    if (shapeContains(x, y)) return false;
    constexpr std::array<std::array<int, 2>, 4> kSides{{{1, 0}, {-1, 0}, {0, 1}, {0, -1}}};
    for (const auto& side : kSides) {
        if (shapeContains(x + side[0], y + side[1])) return true;
    }
    return false;
}
}  // namespace

namespace LogoDesign {

RgbImage jerseyLogo() {
    RgbImage logo(32, 32, kWindowGrey);
    const std::vector<Point> shirt = {{10, 3},  {13.5, 3},  {16, 6},  {18.5, 3}, {22, 3},
                                      {30, 10}, {26.5, 15}, {24, 13}, {24, 29},  {8, 29},
                                      {8, 13},  {5.5, 15},  {2, 10}};
    const auto inShirt = [&](int x, int y) { return inside(shirt, {x + 0.5, y + 0.5}); };
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            if (inShirt(x, y)) {
                // A chevron across the chest, pointing up to the collar, three pixels thick.
                const double across = std::abs(x + 0.5 - 16);
                const double chevron = y + 0.5 - (11 + across * 0.6);
                logo.set(x, y, chevron >= 0 && chevron < 3 ? kGold : kNavy);
            } else if (onEdge(x, y, inShirt)) {
                logo.set(x, y, kBlack);
            }
        }
    }
    return logo;
}

RgbImage ballLogo() {
    RgbImage logo(33, 33, kWindowGrey);
    const Point centre{16.5, 16.5};
    const double radius = 15.5;
    const auto inBall = [&](int x, int y) {
        return std::hypot(x + 0.5 - centre.x, y + 0.5 - centre.y) < radius;
    };
    // One patch in the middle and five cut by the rim, between the middle one's corners.
    std::vector<std::vector<Point>> patches = {pentagon(centre, 5.5, -kPi / 2)};
    for (int i = 0; i < 5; ++i) {
        const double angle = kPi / 2 + i * 2 * kPi / 5;
        const Point at{centre.x + 14 * std::cos(angle), centre.y + 14 * std::sin(angle)};
        patches.push_back(pentagon(at, 5, angle));
    }
    for (int y = 0; y < 33; ++y) {
        for (int x = 0; x < 33; ++x) {
            if (inBall(x, y)) {
                bool patch = false;
                for (const auto& p : patches) patch = patch || inside(p, {x + 0.5, y + 0.5});
                logo.set(x, y, patch ? kBlack : kWhite);
            } else if (onEdge(x, y, inBall)) {
                logo.set(x, y, kBlack);
            }
        }
    }
    return logo;
}

}  // namespace LogoDesign
