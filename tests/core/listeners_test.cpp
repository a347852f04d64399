#include "core/listeners.h"

#include <gtest/gtest.h>

#include <vector>

namespace melvoro {
namespace {

TEST(Listeners, EveryListenerIsHeardUntilItsSubscriptionGoes) {
  Listeners<int> changed;
  std::vector<int> first, second;
  Subscription a(changed, [&](int n) { first.push_back(n); });
  {
    Subscription b(changed, [&](int n) { second.push_back(n); });
    changed(1);
  }
  changed(2);
  a = Subscription(changed, [&](int n) { first.push_back(-n); });  // the old one goes
  changed(3);
  a.Reset();
  changed(4);
  EXPECT_EQ(first, (std::vector<int>{1, 2, -3}));
  EXPECT_EQ(second, (std::vector<int>{1}));
  EXPECT_TRUE(changed.Empty());
}

}  // namespace
}  // namespace melvoro
