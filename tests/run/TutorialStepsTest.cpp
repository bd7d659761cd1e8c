// The tutorial's steps without a window: goals, pages, key reminders, going back
// a page, the jump into the heal room and the pause chord.

#include "run/TutorialSteps.h"

#include "core/RoomNameRegistry.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace
{
using Goals = TutorialSteps::Goals;

Goals inRoom(int type)
{
    Goals goals;
    goals.roomType = type;
    goals.enemyPresent = true;
    goals.playerY = 1300.f;
    return goals;
}

// Plays the tutorial from its start up to `step` by meeting each goal in turn.
TutorialSteps reach(int step)
{
    TutorialSteps steps;
    while (steps.step() < step)
    {
        if (steps.reading())
        {
            steps.readOn();
            continue;
        }
        Goals goals = inRoom(ROOM_NORMAL);
        switch (steps.step())
        {
        case 2:
            goals.enemyWithinReach = true;
            break;
        case 4:
        case 12:
            goals.enemyDown = true;
            break;
        case 6:
            goals.itemLying = true;
            break;
        case 8:
            goals.roomType = ROOM_HEAL;
            break;
        case 10:
            goals.roomType = ROOM_ELITE;
            break;
        case 14:
            goals.roomType = ROOM_SHOP;
            break;
        case 16:
            goals.playerY = 700.f;
            break;
        }
        EXPECT_TRUE(steps.testGoal(goals)) << "goal of step " << steps.step() << " not met";
    }
    EXPECT_EQ(steps.step(), step);
    return steps;
}

TEST(TutorialSteps, EachGoalBringsItsPageAndNothingElseDoes)
{
    struct Case
    {
        int step;
        const char* what;
        Goals met;
        Goals notMet;
    };
    Goals nearEnemy = inRoom(ROOM_NORMAL), enemyDown = inRoom(ROOM_NORMAL), item = inRoom(ROOM_NORMAL),
          noEnemy = inRoom(ROOM_NORMAL), high = inRoom(ROOM_SHOP);
    nearEnemy.enemyWithinReach = true;
    enemyDown.enemyDown = true;
    item.itemLying = true;
    noEnemy.enemyPresent = false;
    high.playerY = 800.f;
    Goals downButFar = enemyDown;
    const Case cases[] = {
        // A dead enemy far away is not one in reach.
        {2, "walking up to an enemy, before any fight", nearEnemy, downButFar},
        {4, "an enemy down", enemyDown, nearEnemy},
        {6, "loot lying", item, enemyDown},
        {6, "no enemy left", noEnemy, enemyDown},
        {8, "the heal room", inRoom(ROOM_HEAL), inRoom(ROOM_ELITE)},
        {10, "the elite room", inRoom(ROOM_ELITE), inRoom(ROOM_HEAL)},
        {12, "an enemy down in the elite room", enemyDown, nearEnemy},
        {14, "the shop room", inRoom(ROOM_SHOP), inRoom(ROOM_ELITE)},
        {16, "the player at y 800", high, inRoom(ROOM_SHOP)},
    };
    for (const Case& c : cases)
    {
        TutorialSteps steps = reach(c.step);
        EXPECT_FALSE(steps.testGoal(c.notMet)) << c.what << ": met too early";
        EXPECT_EQ(steps.step(), c.step) << c.what;
        EXPECT_TRUE(steps.testGoal(c.met)) << c.what;
        EXPECT_EQ(steps.step(), c.step + 1) << c.what;
        EXPECT_EQ(steps.page(), (c.step + 2) / 2) << c.what << ": the page of the new step";
    }
}

TEST(TutorialSteps, AReadingStepMovesOnlyWithEAndEEndsAtTheLastPage)
{
    TutorialSteps steps;
    Goals everything = inRoom(ROOM_HEAL);
    everything.enemyWithinReach = everything.enemyDown = everything.itemLying = true;
    everything.playerY = 0.f;
    EXPECT_FALSE(steps.goBack()) << "T at step 0";
    EXPECT_TRUE(steps.testGoal(inRoom(ROOM_NORMAL))) << "step 0 goes to the first page at once";
    ASSERT_EQ(steps.step(), 1);
    for (int step = 1; step < TutorialSteps::kLastStep; step += 2)
    {
        steps = reach(step);
        EXPECT_FALSE(steps.testGoal(everything)) << "a goal moved page " << steps.page();
        EXPECT_FALSE(steps.goBack()) << "T on page " << steps.page();
        EXPECT_EQ(steps.step(), step);
        EXPECT_FALSE(steps.readOn());
        EXPECT_EQ(steps.step(), step + 1);
        EXPECT_FALSE(steps.readOn()) << "E at a playing step turns no page";
        EXPECT_EQ(steps.step(), step + 1);
    }
    steps = reach(TutorialSteps::kLastStep);
    EXPECT_EQ(steps.page(), 9);
    EXPECT_TRUE(steps.readOn()) << "E at the ninth page ends the tutorial";
}

TEST(TutorialSteps, TAtStepEightShowsPageFourAndEReturnsToStepEightOnPageFive)
{
    TutorialSteps steps = reach(8);
    EXPECT_EQ(steps.page(), 5);
    ASSERT_TRUE(steps.goBack());
    EXPECT_EQ(steps.step(), 7);
    EXPECT_EQ(steps.page(), 4);
    steps.readOn();
    EXPECT_EQ(steps.step(), 8);
    EXPECT_EQ(steps.page(), 5);
    EXPECT_EQ(steps.helpText(0), "- F : pick up the loot\n\n- TAB : open the inventory\n\n- ARROW : move in the "
                                 "inventory\n\n- ENTER : select the item\n\n- T : show the last tutorial");
}

TEST(TutorialSteps, TheSoulSettledInTheHealRoomShowsTheHealPageNotTheSkippedOne)
{
    TutorialSteps steps = reach(6);
    Goals healRoom = inRoom(ROOM_HEAL);
    healRoom.enemyPresent = false;
    ASSERT_TRUE(steps.testGoal(healRoom));
    EXPECT_EQ(steps.step(), 9);
    EXPECT_EQ(steps.page(), 5) << "the heal room's page, whatever E set before";
    steps.readOn();
    ASSERT_TRUE(steps.goBack());
    EXPECT_EQ(steps.page(), 5) << "T shows the page really read last";
}

TEST(TutorialSteps, EachPageSetsItsReminderAndTFromTheFirstStepRestoresTheStart)
{
    struct Case
    {
        int pageStep;
        std::string text; // empty: unchanged from the page before
    };
    const Case cases[] = {
        {1, ""},
        {3, "- SPACE : Dodge\n\n-  LEFT MOUSE CLICK : attack\n\n- T : last tutorial"},
        {5, "- SPACE : Dodge\n\n- LEFT MOUSE CLICK : attack\n\n- E : spare or kill the enemy\n\n- T : show the last "
            "tutorial"},
        {9, "- T : last tutorial"},
        {11, ""},
        {13, "- ARROW : move in the inventory\n\n- ENTER : select the item\n\n- T : last tutorial"},
        {15, "- F : pick up the loot\n\n- TAB : inventory\n\n- ARROW : move in the inventory\n\n- ENTER : select the "
             "item\n\n- T : last tutorial\n\n- Let's go to the last door !"},
    };
    for (const Case& c : cases)
    {
        TutorialSteps steps = reach(c.pageStep);
        const std::string before = steps.helpText(0);
        steps.readOn();
        EXPECT_EQ(steps.helpText(0), c.text.empty() ? before : c.text) << "E on step " << c.pageStep;
        EXPECT_NE(steps.helpText(1), steps.helpText(0)) << "the French reminder of step " << c.pageStep + 1;
    }
    TutorialSteps steps = reach(2);
    EXPECT_EQ(steps.helpText(0), "- E : interact\n\n- M : minimap\n\n- T : last tutorial");
    steps.goBack();
    EXPECT_EQ(steps.helpText(0), "- E : interact\n\n- M : minimap\n\n- T: last tutorial");
    steps = reach(4);
    const std::string fight = steps.helpText(0);
    steps.goBack();
    EXPECT_EQ(steps.helpText(0), fight) << "going back from another step leaves the reminder";
}

TEST(TutorialSteps, MashedKeysAndGoalsNeverSkipAPageOrLeaveTheSteps)
{
    for (unsigned seed = 1; seed <= 200; ++seed)
    {
        std::srand(seed);
        TutorialSteps steps;
        int lastPageRead = 0;
        for (int i = 0; i < 400; ++i)
        {
            const int before = steps.step();
            switch (std::rand() % 4)
            {
            case 0:
                if (steps.readOn())
                {
                    ASSERT_EQ(before, TutorialSteps::kLastStep);
                    i = 400;
                }
                break;
            case 1:
                steps.goBack();
                break;
            default:
            {
                Goals goals = inRoom(std::rand() % 6);
                goals.enemyWithinReach = std::rand() % 2;
                goals.enemyDown = std::rand() % 2;
                goals.itemLying = std::rand() % 2;
                goals.enemyPresent = std::rand() % 2;
                goals.playerY = static_cast<float>(std::rand() % 1500);
                steps.testGoal(goals);
            }
            }
            const int now = steps.step();
            ASSERT_GE(now, 0);
            ASSERT_LE(now, TutorialSteps::kLastStep) << "seed " << seed;
            ASSERT_EQ(steps.page(), now / 2 + 1) << "seed " << seed << " step " << now;
            // Forward by one step, by the heal room's jump from 6 to 9, or back one page.
            const bool forward = now == before + 1 || (before == 6 && now == 9);
            ASSERT_TRUE(now == before || forward || (now == before - 1 && before % 2 == 0))
                << "seed " << seed << ": " << before << " -> " << now;
            if (steps.reading() && now > before)
            {
                // A page shown for the first time is the one after the last page read,
                // but for the heal room's page, which stands for two.
                const int page = steps.page();
                ASSERT_TRUE(page <= lastPageRead + 1 || (page == 5 && lastPageRead == 3)) << "seed " << seed;
                lastPageRead = std::max(lastPageRead, page);
            }
        }
    }
}

TEST(TutorialSteps, ThePauseChordTogglesOncePerPressAndEscapeAloneNever)
{
    TutorialSteps steps;
    struct Event
    {
        bool escape, f1, toggles;
    };
    // Escape alone with repeats, then F1 joins (one toggle), repeats and mouse moves
    // while both are held, F1 released and pressed again (a second toggle).
    const Event events[] = {
        {true, false, false}, {true, false, false}, {true, true, true},   {true, true, false},
        {true, true, false},  {true, true, false},  {true, false, false}, {true, true, true},
        {false, false, false}, {false, true, false}, {true, true, true},
    };
    int toggles = 0;
    for (const Event& e : events)
    {
        const bool toggled = steps.chordPressed(e.escape, e.f1);
        EXPECT_EQ(toggled, e.toggles) << "event " << toggles;
        toggles += toggled;
    }
    EXPECT_EQ(toggles, 3);
}

} // namespace
