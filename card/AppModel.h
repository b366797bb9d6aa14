#pragma once

#include "card/PhotoManager.h"
#include "card/PictureObjects.h"
#include "catalogue/DataManager.h"

#include <memory>

// The application-wide model objects: the catalogue and the card being made.
struct AppModel {
    std::unique_ptr<DataManager> dataManager;
    // Empty at start-up; replaced when a card is begun or opened.
    std::shared_ptr<PictureObjects> pictureObjects = std::make_shared<PictureObjects>();
    // Null until a card is begun or opened.
    std::shared_ptr<PhotoManager> photoManager;

    // A new, empty card: new objects and photo state.
    void BeginNewCard();
};

AppModel& Model();
