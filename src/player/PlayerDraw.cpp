// The player figure in both forms, drawn over its own shots and blended
// between the last two steps. Drawing changes no state.
#include <cmath>

#include "gfx/Graphics.h"
#include "player/Player.h"
#include "weapons/ProjectileSystem.h"

namespace {

// Half the distance between the two halves of the spinning figure.
constexpr float kSomersaultRadius = 7.5f;
// The vanta figure is a lower and an upper frame, 16 units apart.
constexpr float kHalfOffset = 8.0f;
constexpr int kSomersaultTopFrame = 16;
constexpr int kSomersaultBottomFrame = 17;
// The gearboy's hurt poses, alternating while it is stunned, and the last
// frame of the hit burst, which plays 16 to 19.
constexpr int kGearboyStruckFrame = 16;
constexpr int kGearboyRecoilFrame = 14;
constexpr int kGearboyLastBurstFrame = 19;

}  // namespace

void Player::drawVantaForm(float alpha) {
    projectiles->draw(alpha);
    graphics->bindTexture(vantaTexture.get());
    graphics->setColor();
    const Vector3 p = vectorBlend(previousPosition, position, alpha);

    // Blinks after a hit: shown one step in five.
    if (invulnerableTimer % 5 != 0) return;
    if (somersault) {
        // Blended between steps like the position, so the spin is smooth on
        // fast displays.
        const float a = previousSomersaultAngle * (1.0f - alpha) + somersaultAngle * alpha;
        const float dx = kSomersaultRadius * std::sin(a);
        const float dy = kSomersaultRadius * std::cos(a);
        graphics->drawSprite(p.x - dx, p.y - dy, -a, 1.0f, false, kSomersaultBottomFrame);
        graphics->drawSprite(p.x + dx, p.y + dy, -a, 1.0f, false, kSomersaultTopFrame);
    } else if (rolled()) {
        graphics->drawSprite(p.x, p.y - kHalfOffset, 0, 1.0f, false, bodyFrame);
    } else {
        const bool flip = facing == 1;
        graphics->drawSprite(p.x, p.y - kHalfOffset, 0, 1.0f, flip, legFrame);
        graphics->drawSprite(p.x, p.y + kHalfOffset, 0, 1.0f, flip, bodyFrame);
    }
}

void Player::drawGearboyForm(float alpha) {
    projectiles->draw(alpha);
    graphics->bindTexture(gearboyTexture.get());
    graphics->setColor();
    const Vector3 p = vectorBlend(previousPosition, position, alpha);
    const bool flip = facing != 0;

    if (appearTimer >= 1) {
        // Descends from 168 units above, then settles with a small bob.
        float y = p.y;
        if (appearTimer >= 9) {
            y += 8.0f * (appearTimer - 9);
        } else if (appearTimer <= 2) {
            y += 4.0f;
        }
        graphics->drawSprite(p.x, y, 0, 1.0f, false, bodyFrame);
        return;
    }
    if (invulnerableTimer <= 90) {
        // Blinks while invulnerable: 5 steps shown, 5 hidden.
        if ((invulnerableTimer % 10) / 5 != 0) return;
        const float lean = onGround ? 4.0f : 2.0f;
        graphics->drawSprite(p.x + (flip ? -lean : lean), p.y, 0, 1.0f, flip, bodyFrame);
        return;
    }
    // Stunned: the knocked-back figure, and the hit burst where the hit was.
    const int stunFrame = (invulnerableTimer % 30) < 15 ? kGearboyStruckFrame : kGearboyRecoilFrame;
    graphics->drawSprite(p.x, p.y, 0, 1.0f, flip, stunFrame);
    const int burstFrame = kGearboyLastBurstFrame - (invulnerableTimer - 90) / 20;
    graphics->drawSprite(hurtPosition.x, hurtPosition.y + 20, 0, 1.0f, flip, burstFrame);
}
