#pragma once

#include <cstdint>
#include <memory>

#include "math/Vector3.h"
#include "player/BoundingBox.h"

class Controls;
class Graphics;
class ProjectileSystem;
struct ActorContext;
class Texture;
class World;

// The farthest the solid tiles may push the player in one step, in world
// units: more than any honest collision (a step moves a few units), less than
// the run of rock it would take to carry the body out of a closed door.
constexpr float kMaxTilePush = 40.0f;

// The two forms; every test asks whether the form is kVanta, so any other
// value behaves as the gearboy.
enum PlayerForm : std::int32_t {
    kVanta = 0,
    kGearboy = 1,
};

// The one character the user steers, in either form. Units are world units
// and update steps; y grows upward. The game core, the World and the enemies
// read and write the public state below directly (position, health, the
// flags the World sets); everything else goes through the operations.
class Player {
  public:
    Player(Graphics* graphics, const ActorContext* actors);
    ~Player();
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    void setWorld(World* world);
    // Places the player with no blend from the old place on the next frame.
    void setPosition(float x, float y, float z);
    // Start values of every field that has one: 99 health, the gearboy form,
    // the ready flags; the ball ability is taken away. Does not move.
    void reset();
    // One fixed step of the current form's controller, steered by the
    // controls polled for this step.
    void update(const Controls& controls);
    // Draws the current form (and the shots) blended `alpha` between steps.
    void draw(float alpha);
    // A hit of `damage` from something at `source`; ignored while invulnerable.
    void hurt(std::int32_t damage, Vector3 source);

    ProjectileSystem* getProjectiles() const { return projectiles.get(); }

    Vector3 position = makeVector3(0, 0, 0);
    Vector3 previousPosition = makeVector3(0, 0, 0);
    Vector3 velocity = makeVector3(0, 0, 0);
    Vector3 hurtPosition = makeVector3(0, 0, 0);
    std::int32_t form = kGearboy;
    std::int32_t health = 99;
    std::int32_t maxHealth = 99;
    bool inWater = false;
    bool onGround = false;
    bool jumping = false;
    bool aimingUp = false;
    bool jumpReady = true;
    bool jumpCut = false;
    std::int32_t jumpTimer = 0;
    bool fireReady = true;
    std::int32_t fireCooldown = 0;
    std::int32_t invulnerableTimer = 0;
    std::int32_t facing = 0;  // 0 right, 1 left
    std::int32_t legFrame = 0;
    std::int32_t bodyFrame = 5;
    std::int32_t firePoseTimer = 0;
    std::int32_t animCounter = 0;
    bool ball = false;
    bool somersault = false;
    float somersaultAngle = 0;
    float previousSomersaultAngle = 0;  // at the start of the latest step, for blending
    bool hasBall = false;
    std::int32_t idleTimer = 0;
    std::int32_t appearTimer = 0;
    bool formChangeAllowed = false;

    // Refilled with set() before each use.
    BoundingBox bodyBox{};
    BoundingBox feetProbe{};
    BoundingBox headProbe{};

  private:
    // What one controller step keeps for itself: whether a direction was
    // held on the ground, and the velocity just before the tile collision.
    struct StepState {
        bool moving = false;
        Vector3 savedVelocity = makeVector3(0, 0, 0);
    };

    void updateVantaForm();
    void vantaSteer(StepState& step);
    void vantaJumpAndBall();
    void vantaFire();
    void vantaMove(StepState& step);
    void vantaAnimate(const StepState& step);
    void raiseForBall();
    // Rolled into the ball, past the curling animation (animCounter counts
    // down from 107 to 100 while curling, then runs the roll from 0).
    bool rolled() const { return ball && animCounter <= 100; }
    void hurtVantaForm(std::int32_t damage, Vector3 source);
    void drawVantaForm(float alpha);

    void updateGearboyForm();
    bool gearboyAppearing();
    bool gearboyControls(StepState& step);
    void gearboyMove(StepState& step);
    void gearboyAnimate(const StepState& step);
    void gearboyBubbles();
    void hurtGearboyForm(std::int32_t damage, Vector3 source);
    void drawGearboyForm(float alpha);

    // Shared by both forms.
    void releaseJump();
    void countDownFire();
    void touchEnemies();
    void limitHealth();
    void moveAgainstTiles(float offsetY, float width, float height);
    bool landed(const StepState& step);
    bool tilesHit(const BoundingBox& box) const;
    void playSound(const char* name, int volume, int frequency = -1) const;

    std::unique_ptr<Texture> vantaTexture;
    std::unique_ptr<Texture> gearboyTexture;
    Graphics* graphics;
    const ActorContext* actors;
    const Controls* controls = nullptr;  // this step's, during update()
    World* world = nullptr;
    std::unique_ptr<ProjectileSystem> projectiles;
};
