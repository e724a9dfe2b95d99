// Drawing the room: the camera blend, tile layers and the room feature.
#include "gfx/Graphics.h"
#include "world/World.h"

void World::interpolateCamera(float alpha) {
    drawCamera = vectorAdd(vectorScale(camera, alpha), vectorScale(prevCamera, 1.0f - alpha));
    graphics->setDrawCamera(drawCamera);
}

void World::drawBackLayers() {
    drawTileLayers(0, kLastBackLayer);
}

void World::drawFrontLayers() {
    drawTileLayers(kFrontLayer, kLastLayer);
    drawFeature();
}

void World::drawTileLayers(int firstLayer, int lastLayer) {
    graphics->bindTexture(tilesets[tilesetIndex].get());
    graphics->setColor();
    // Tiles sample the central 20 x 20 pixels of their cell and overlap their
    // neighbours a little, so no seam shows between them.
    graphics->setFrameSize(20);
    const int firstColumn = static_cast<int>(drawCamera.x - 160) / 16;
    const int firstRow = static_cast<int>(drawCamera.y - 120) / 16;
    for (int layer = firstLayer; layer <= lastLayer; ++layer) {
        // One tile beyond the view on every side.
        for (int j = -1; j <= 15; ++j) {
            for (int i = -1; i <= 20; ++i) {
                const int column = firstColumn + i, row = firstRow + j;
                const std::int32_t code = tileAt(layer, column, row);
                if (code <= 0) continue;
                graphics->drawSprite(16.0f * column + 8, 16.0f * row + 8, 0, 1.0f, false, code - 1);
            }
        }
    }
}

void World::drawFeature() {
    if (!featurePresent || featureState >= 2 || featureKind == kFeatureFormStation) return;
    // A solid tile over the feature hides it (the item waits behind blocks).
    const int column = static_cast<int>(featurePos.x) / 16;
    const int row = static_cast<int>(featurePos.y) / 16;
    if (tileAt(kSolidLayer, column, row) != 0) return;
    graphics->bindTexture(itemsTexture.get());
    graphics->gl().color4f(1, 1, 1, 1);
    const int frame = featureKind == kFeatureBallItem ? (featureAnim / 4) % 4 : 0;
    graphics->drawSprite(featurePos.x, featurePos.y, 0, 1.0f, false, frame);
}
