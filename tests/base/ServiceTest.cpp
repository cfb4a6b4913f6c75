// ServiceTest.cpp - the replaceable-service slot: the default stands in until a service is
// installed, install hands back what it replaced so that a caller can undo it, nullptr brings the
// default back, and scoped installs nest.
#include <gtest/gtest.h>

#include "base/Service.h"

namespace {

class Greeter {
  public:
    virtual ~Greeter() = default;
    virtual const char* greet() const = 0;
};

class Plain : public Greeter {
  public:
    const char* greet() const override { return "hello"; }
};

class Named : public Greeter {
  public:
    explicit Named(const char* text) : text_(text) {}
    const char* greet() const override { return text_; }

  private:
    const char* text_;
};

ovbase::Service<Greeter>& greeter() {
    static constinit ovbase::Service<Greeter> slot{&ovbase::defaultService<Greeter, Plain>};
    return slot;
}

TEST(Service, TheDefaultStandsInUntilAServiceIsInstalledAndNullptrBringsItBack) {
    EXPECT_STREQ(greeter()->greet(), "hello");
    EXPECT_EQ(greeter().installed(), nullptr);

    Named first("first");
    Named second("second");
    EXPECT_EQ(greeter().install(&first), nullptr);  // the default was in use
    EXPECT_STREQ(greeter()->greet(), "first");
    EXPECT_EQ(greeter().install(&second), &first);
    EXPECT_STREQ((*greeter()).greet(), "second");

    // Installing what install returned undoes it.
    EXPECT_EQ(greeter().install(&first), &second);
    EXPECT_STREQ(greeter()->greet(), "first");
    EXPECT_EQ(greeter().install(nullptr), &first);
    EXPECT_STREQ(greeter()->greet(), "hello");
    EXPECT_EQ(greeter().installed(), nullptr);
}

TEST(Service, TheDefaultIsOneObjectMadeOnFirstUse) {
    EXPECT_EQ(greeter().get(), greeter().get());
    Greeter& made = ovbase::defaultService<Greeter, Plain>();
    EXPECT_EQ(greeter().get(), &made);
}

TEST(Service, ASlotWithoutADefaultIsEmptyUntilInstalled) {
    ovbase::Service<Greeter> slot;
    EXPECT_EQ(slot.get(), nullptr);
    EXPECT_FALSE(slot);
    Named named("named");
    slot.install(&named);
    EXPECT_TRUE(slot);
    EXPECT_EQ(slot.get(), &named);
}

TEST(Service, ScopedInstallsNestAndPutBackWhatWasThere) {
    Named outer("outer");
    Named inner("inner");
    Named kept("kept");
    greeter().install(&kept);
    {
        ovbase::ScopedService<Greeter> a(greeter(), &outer);
        EXPECT_STREQ(greeter()->greet(), "outer");
        {
            ovbase::ScopedService<Greeter> b(greeter(), &inner);
            EXPECT_STREQ(greeter()->greet(), "inner");
        }
        EXPECT_STREQ(greeter()->greet(), "outer");
        {
            // A scoped nullptr shows the default for a while.
            ovbase::ScopedService<Greeter> c(greeter(), nullptr);
            EXPECT_STREQ(greeter()->greet(), "hello");
        }
        EXPECT_STREQ(greeter()->greet(), "outer");
    }
    EXPECT_EQ(greeter().installed(), &kept);
    greeter().install(nullptr);
}

}  // namespace
