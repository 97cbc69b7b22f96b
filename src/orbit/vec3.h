#pragma once

#include <cmath>

namespace orvant {

// A vector in three dimensions: a position (km), a velocity (km/s) or a unit direction.
struct Vec3 {
    double x = 0;
    double y = 0;
    double z = 0;
};

inline Vec3 operator+(const Vec3& a, const Vec3& b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}

inline Vec3 operator-(const Vec3& a, const Vec3& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

inline Vec3 operator*(const Vec3& v, double factor) {
    return {v.x * factor, v.y * factor, v.z * factor};
}

inline Vec3 operator/(const Vec3& v, double divisor) {
    return {v.x / divisor, v.y / divisor, v.z / divisor};
}

inline double dot(const Vec3& a, const Vec3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

inline double length(const Vec3& v) {
    return std::sqrt(dot(v, v));
}

}  // namespace orvant
