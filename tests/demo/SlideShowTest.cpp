#include "tools/demo/SlideShow.h"

#include <gtest/gtest.h>
#include <string>

namespace {

struct Walk {
    const char* name;
    int slides;
    // 'n' Next, 'b' Back, 'c' Close.
    const char* moves;
    int position;
    bool finished;
};

const Walk walks[] = {
    {"StartsOnTheTitle", 4, "", 0, false},           {"NextMovesOn", 4, "nn", 2, false},
    {"BackOnTheFirstSlideStays", 4, "bb", 0, false}, {"BackReturns", 4, "nnnb", 2, false},
    {"ReachesTheLastSlide", 4, "nnn", 3, false},     {"EndsAfterTheLastSlide", 4, "nnnn", 3, true},
    {"NothingMovesOnceEnded", 4, "nnnnbn", 3, true}, {"CloseEndsAnywhere", 4, "nc", 1, true},
    {"ASingleSlideEndsOnNext", 1, "n", 0, true},     {"NoSlidesIsEndedAtOnce", 0, "", 0, true},
};

class SlideShowWalk : public ::testing::TestWithParam<Walk> {};

TEST_P(SlideShowWalk, EndsWhereExpected) {
    const Walk& walk = GetParam();
    SlideShow show(walk.slides);
    for (const char* move = walk.moves; *move != '\0'; ++move) {
        switch (*move) {
        case 'n':
            show.next();
            break;
        case 'b':
            show.back();
            break;
        default:
            show.finish();
        }
    }
    EXPECT_EQ(show.current(), walk.position);
    EXPECT_EQ(show.isFinished(), walk.finished);
}

INSTANTIATE_TEST_SUITE_P(SlideShow, SlideShowWalk, ::testing::ValuesIn(walks),
                         [](const ::testing::TestParamInfo<Walk>& info) {
                             return std::string(info.param.name);
                         });

TEST(SlideShow, TellsWhetherAMoveChangedAnything) {
    SlideShow show(2);
    EXPECT_TRUE(show.isFirst());
    EXPECT_FALSE(show.back());
    EXPECT_TRUE(show.next());
    EXPECT_TRUE(show.isLast());
    EXPECT_TRUE(show.next());
    EXPECT_TRUE(show.isFinished());
    EXPECT_FALSE(show.next());
    EXPECT_FALSE(show.back());
}

} // namespace
