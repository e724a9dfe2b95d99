#pragma once

// The game's one geometric value type: positions, velocities, camera centres
// and offsets. x grows to the right, y grows upward; z is carried along and is
// 0 in all game data. Copied freely by value.
struct Vector3 {
    float x;
    float y;
    float z;
};

inline Vector3 makeVector3(float x, float y, float z) {
    return Vector3{x, y, z};
}

inline Vector3 vectorAdd(Vector3 a, Vector3 b) {
    return Vector3{a.x + b.x, a.y + b.y, a.z + b.z};
}

inline Vector3 vectorSubtract(Vector3 a, Vector3 b) {
    return Vector3{a.x - b.x, a.y - b.y, a.z - b.z};
}

inline Vector3 vectorScale(Vector3 v, float s) {
    return Vector3{v.x * s, v.y * s, v.z * s};
}

// Position drawn between two update steps: alpha 0 gives `previous`, 1 gives
// `current`. The scaled previous value is the first operand, so the rounding
// matches every drawing routine in the game.
inline Vector3 vectorBlend(Vector3 previous, Vector3 current, float alpha) {
    return vectorAdd(vectorScale(previous, 1.0f - alpha), vectorScale(current, alpha));
}
