// The switching protocol: store, check, replace; a refusal keeps the page and
// its button; container pages switch their inner pages the same way.
#include "GuiTestSupport.h"
#include "model/DeclClasses.h"
#include "pages/ContainerFrame.h"
#include "pages/PageHost.h"

#include <QPushButton>
#include <QtTest>

using namespace velmar;

namespace {

// What happened to the pages, in order: "A:save", "B:built loading=1", ...
QStringList gLog;

class FakePage : public TThinkingFrame {
public:
    FakePage(QWidget* parent, DeclarationSlot& slot, TPageServices& services, QString name, uint16_t refuse = 0)
        : TThinkingFrame(parent, slot, services), name_(std::move(name)), refuse_(refuse) {
        gLog << name_ + QStringLiteral(":built loading=") + QString::number(services.PageLoading());
    }
    ~FakePage() override { gLog << name_ + QStringLiteral(":destroyed"); }
    void SaveData() override { gLog << name_ + QStringLiteral(":save"); }
    uint16_t CheckData() override {
        gLog << name_ + QStringLiteral(":check");
        return refuse_;
    }
    void FocusError(uint16_t code) override { gLog << name_ + QStringLiteral(":focus ") + QString::number(code); }
    void SelectFirstRecord() override { gLog << name_ + QStringLiteral(":first record"); }

private:
    QString name_;
    uint16_t refuse_;
};

class FakeContainer : public TContainerFrame {
public:
    FakeContainer(QWidget* parent, DeclarationSlot& slot, TPageServices& services) : TContainerFrame(parent, slot, services) {
        AddInnerPage(QStringLiteral("first"), [&slot, &services](QWidget* p) {
            return new FakePage(p, slot, services, QStringLiteral("inner0"), innerRefusal);
        });
        AddInnerPage(QStringLiteral("second"), [&slot, &services](QWidget* p) {
            return new FakePage(p, slot, services, QStringLiteral("inner1"));
        });
        ShowFirstInnerPage();
        gLog << QStringLiteral("container:built loading=") + QString::number(services.PageLoading());
    }
    static inline uint16_t innerRefusal = 0;
};

struct Window {
    test::FakeServices services;
    DeclarationSlot slot = std::make_unique<mTDeclaration>();
    QWidget root;
    QWidget* container = new QWidget(&root);
    QPushButton* a = new QPushButton(QStringLiteral("A"), &root);
    QPushButton* b = new QPushButton(QStringLiteral("B"), &root);
    QPushButton* c = new QPushButton(QStringLiteral("C"), &root);
    QPushButton* list = new QPushButton(QStringLiteral("L"), &root);
    TPageHost host{container, services};
    uint16_t aRefuses = 0;

    Window() {
        host.AddPage(1, a, [this](QWidget* p) { return new FakePage(p, slot, services, QStringLiteral("A"), aRefuses); });
        host.AddPage(2, b, [this](QWidget* p) { return new FakePage(p, slot, services, QStringLiteral("B")); });
        host.AddPage(3, c, [this](QWidget* p) { return new FakeContainer(p, slot, services); });
        host.AddPage(4, list, [this](QWidget* p) { return new FakePage(p, slot, services, QStringLiteral("L")); }, true);
        host.ShowPage(1);
        gLog.clear();
    }
};

} // namespace

class PageHostTest : public QObject {
    Q_OBJECT
private slots:
    void init() { gLog.clear(); }
    void clickOnTheShownPageDoesNothing();
    void switchStoresChecksThenReplacesWhileLoading();
    void refusalKeepsPageAndButton();
    void showPageDoesNotAskTheOldPage();
    void listPagesSelectTheirFirstRecord();
    void containerForwardsAndShowsInnerPages();
    void containerInnerRefusalKeepsTheOuterPage();
};

void PageHostTest::clickOnTheShownPageDoesNothing() {
    Window w;
    w.a->click();
    QVERIFY(gLog.isEmpty());
    QVERIFY(w.a->isChecked());
    QCOMPARE(w.host.CurrentId(), 1);
}

void PageHostTest::switchStoresChecksThenReplacesWhileLoading() {
    Window w;
    TThinkingFrame* old = w.host.CurrentPage();
    w.b->click();
    QCOMPARE(gLog, (QStringList{"A:save", "A:check", "B:built loading=1", "A:destroyed"}));
    QCOMPARE(w.host.CurrentId(), 2);
    QVERIFY(w.host.CurrentPage() != old);
    QVERIFY(w.b->isChecked());
    QVERIFY(!w.a->isChecked());
    QVERIFY(!w.services.loading);
    QCOMPARE(w.host.CurrentPage()->parentWidget(), w.container);
}

void PageHostTest::refusalKeepsPageAndButton() {
    Window w;
    w.aRefuses = 7;
    w.host.ShowPage(1); // page A again, now one that refuses to be left
    gLog.clear();
    TThinkingFrame* page = w.host.CurrentPage();
    w.b->click();
    QCOMPARE(gLog, (QStringList{"A:save", "A:check", "A:focus 7"}));
    QCOMPARE(w.host.CurrentPage(), page);
    QVERIFY(w.a->isChecked());
    QVERIFY(!w.b->isChecked());
}

void PageHostTest::showPageDoesNotAskTheOldPage() {
    Window w;
    w.host.ShowPage(2);
    QCOMPARE(gLog, (QStringList{"B:built loading=1", "A:destroyed"}));
    QVERIFY(w.b->isChecked());
}

void PageHostTest::listPagesSelectTheirFirstRecord() {
    Window w;
    w.list->click();
    QCOMPARE(gLog.last(), QStringLiteral("L:first record"));
    gLog.clear();
    w.b->click();
    QVERIFY(!gLog.join(' ').contains(QStringLiteral("first record")));
}

void PageHostTest::containerForwardsAndShowsInnerPages() {
    Window w;
    FakeContainer::innerRefusal = 0;
    w.c->click();
    // The container builds its first inner page while the outer page is loading,
    // and the flag is still set when the container's own constructor goes on.
    QCOMPARE(gLog, (QStringList{"A:save", "A:check", "inner0:built loading=1", "container:built loading=1",
                                "A:destroyed"}));
    QVERIFY(!w.services.loading);
    auto* container = qobject_cast<TContainerFrame*>(w.host.CurrentPage());
    QVERIFY(container);
    gLog.clear();
    container->SaveData();
    container->CheckData();
    container->FocusError(3);
    QCOMPARE(gLog, (QStringList{"inner0:save", "inner0:check", "inner0:focus 3"}));

    gLog.clear();
    container->ShowInnerPage(1, 5);
    QCOMPARE(gLog, (QStringList{"inner1:built loading=1", "inner0:destroyed", "inner1:focus 5"}));
    QVERIFY(container->InnerHost().Button(1)->isChecked());
    gLog.clear();
    container->ShowInnerPage(1, 2);
    QCOMPARE(gLog, (QStringList{"inner1:focus 2"}));
}

void PageHostTest::containerInnerRefusalKeepsTheOuterPage() {
    Window w;
    FakeContainer::innerRefusal = 4;
    w.c->click();
    auto* container = qobject_cast<TContainerFrame*>(w.host.CurrentPage());
    QVERIFY(container);
    gLog.clear();
    container->InnerHost().Button(1)->click();
    QCOMPARE(gLog, (QStringList{"inner0:save", "inner0:check", "inner0:focus 4"}));
    QVERIFY(container->InnerHost().Button(0)->isChecked());
    gLog.clear();
    w.a->click();
    QCOMPARE(gLog, (QStringList{"inner0:save", "inner0:check", "inner0:focus 4"}));
    QCOMPARE(w.host.CurrentPage(), container);
    QVERIFY(w.c->isChecked());
    FakeContainer::innerRefusal = 0;
}

QTEST_MAIN(PageHostTest)
#include "PageHostTest.moc"
