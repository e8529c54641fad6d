#include "app/session/profile_names.h"

#include <gtest/gtest.h>

#include <QSet>

namespace mousecfg {
namespace {

TEST(ProfileNames, DefaultNamesAndInUse) {
    EXPECT_TRUE(profilenames::isDefaultName(QStringLiteral("Profile 1")));
    EXPECT_TRUE(profilenames::isDefaultName(QStringLiteral("Profile 5")));
    EXPECT_FALSE(profilenames::isDefaultName(QStringLiteral("Profile 6")));
    EXPECT_FALSE(profilenames::isDefaultName(QStringLiteral("profile 1")));
    EXPECT_FALSE(profilenames::isDefaultName(QStringLiteral("Profile 1 ")));

    ConfigState s;
    s.profileNames = {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("A"),
                      QString()};
    s.ProfileID = 1;
    EXPECT_TRUE(profilenames::isInUse(s, QStringLiteral("A")));
    EXPECT_FALSE(profilenames::isInUse(s, QStringLiteral("B")));  // the current slot's own name
    EXPECT_FALSE(profilenames::isInUse(s, QStringLiteral("D")));
    s.ProfileID = 9;                                             // damaged: means slot 0
    EXPECT_TRUE(profilenames::isInUse(s, QStringLiteral("A")));  // slot 3 has it too
    EXPECT_TRUE(profilenames::isInUse(s, QStringLiteral("B")));
}

TEST(ProfileNames, NumberedSearches) {
    QSet<QString> files{QStringLiteral("Profile 1"), QStringLiteral("Profile 2"), QStringLiteral("Profile 4"),
                        QStringLiteral("Work copy"), QStringLiteral("Work copy 2")};
    auto exists = [&files](const QString& n) { return files.contains(n); };
    EXPECT_EQ(profilenames::firstFreeProfileName(exists), QStringLiteral("Profile 3"));
    EXPECT_EQ(profilenames::copyName(QStringLiteral("Work"), exists), QStringLiteral("Work copy 3"));
    EXPECT_EQ(profilenames::copyName(QStringLiteral("Home"), exists), QStringLiteral("Home copy"));
    files.insert(QStringLiteral("Profile 3"));
    EXPECT_EQ(profilenames::firstFreeProfileName(exists), QStringLiteral("Profile 5"));
    // Everything taken: an empty name, not an endless search.
    EXPECT_EQ(profilenames::firstFreeProfileName([](const QString&) { return true; }), QString());
    EXPECT_EQ(profilenames::copyName(QStringLiteral("X"), [](const QString&) { return true; }), QString());
}

TEST(ProfileNames, DeleteReplacement) {
    const QStringList list{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                           QStringLiteral("D")};
    struct Case {
        int index;
        QStringList inUse;
        int expected;
    };
    const Case cases[] = {
        {1, {}, 2},               // the next entry
        {3, {}, 2},               // the last entry: the one before
        {1, {"C"}, 0},            // next in use: step back, over the deleted entry
        {0, {"B"}, 1},            // first entry deleted, next in use: nothing before it
        {2, {"D", "B"}, 0},       // steps back past B to A
        {3, {"A", "B", "C"}, 0},  // every other entry in use: stops at the first
        {0, {"B", "C", "D"}, 1},  // the same when the first is the deleted one
        {2, {"A", "B", "D"}, 0},
        {-1, {}, -1},
        {4, {}, -1},
    };
    for (const Case& c : cases) {
        const int r = profilenames::deleteReplacement(list, c.index,
                                                      [&c](const QString& n) { return c.inUse.contains(n); });
        EXPECT_EQ(r, c.expected) << "index " << c.index << " in use " << c.inUse.join(',').toStdString();
        if (r >= 0) {
            EXPECT_NE(r, c.index);
        }
    }
    EXPECT_EQ(profilenames::deleteReplacement({QStringLiteral("A")}, 0, [](const QString&) { return false; }),
              -1);
    EXPECT_EQ(profilenames::deleteReplacement({QStringLiteral("A"), QStringLiteral("B")}, 1,
                                              [](const QString&) { return true; }),
              0);
}

}  // namespace
}  // namespace mousecfg
