#include "card/AppModel.h"

void AppModel::BeginNewCard() {
    pictureObjects = std::make_shared<PictureObjects>();
    photoManager = std::make_shared<PhotoManager>();
}

AppModel& Model() {
    static AppModel model;
    return model;
}
