#include "furniture/clsKOPFFUSS.h"
#include "ScriptedMessages.h"
#include "platform/Locale.h"
#include "platform/RecordingSurface.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using Primitive = RecordingSurface::Primitive;

// An A4 page in millimetres; a head of one record at 14:24 on 7 December 2026.
class clsKOPFFUSSTest : public ::testing::Test {
protected:
    clsKOPFFUSSTest() : page(210 * 56.7, 297 * 56.7, 96, true), head(messages)
    {
        page.setScaleMode(Surface::Millimetres);
        head.AUSGABEOBJEKT(page, page);
        head.UEBERSCHRIFT = "KVX";
        head.PROJEKT = "TE0000.00";
        head.BEARBEITER = "Sommer";
        head.PROGRAMMIERER = "Tarvelo";
        head.COPYRIGHT = "Tarvelo Geotechnik";
        head.DATUM = VbDate{46363};
        head.UHRZEIT = VbDate{0.6};
        head.KENNZEICHNUNG(Variant("Sand"));
    }
    void SetUp() override { Locale::setCurrent({Locale::German, ","}); }

    std::vector<std::string> texts() const
    {
        std::vector<std::string> found;
        for (const Primitive& text : page.texts())
            found.push_back(text.text);
        return found;
    }
    bool shows(const std::string& text) const
    {
        const auto all = texts();
        return std::find(all.begin(), all.end(), text) != all.end();
    }

    ScriptedMessages messages;
    RecordingSurface page;
    clsKOPFFUSS head;
};

TEST_F(clsKOPFFUSSTest, GermanHeadAndFootInTheirPlaces)
{
    head.KOMMENTAR = "Rahmenscherversuch";
    head.KOPFFUSSZEILE();
    EXPECT_TRUE(shows("KVX"));
    EXPECT_TRUE(shows("Datensatz Sand"));
    EXPECT_TRUE(shows("Rahmenscherversuch"));
    EXPECT_TRUE(shows("Projekt TE0000.00"));
    EXPECT_TRUE(shows("Seite 1/1"));
    EXPECT_TRUE(shows("Programmentwicklung: Tarvelo"));
    EXPECT_TRUE(shows("Tarvelo Geotechnik"));
    EXPECT_TRUE(shows("07.12.2026"));
    EXPECT_TRUE(shows("14:24"));
    EXPECT_TRUE(shows("Bearbeiter: Sommer"));
    EXPECT_TRUE(messages.shown.empty());

    EXPECT_NEAR(page.findText("KVX")->x1, 15, 1e-6);
    EXPECT_NEAR(page.findText("KVX")->y1, 15, 1e-6);
    EXPECT_NEAR(page.findText("Datensatz Sand")->y1, 24, 1e-6);
    const Primitive* worker = page.findText("Bearbeiter: Sommer");
    EXPECT_NEAR(worker->y1 + page.textHeight("x"), 297 - 15, 1e-4);  // standing on the foot line (7 points)
    page.font.size = 10;
    const Primitive* project = page.findText("Projekt TE0000.00");
    EXPECT_NEAR(project->x1 + page.textWidth("Projekt TE0000.00"), 195, 1e-3);  // ends at the right margin
}

TEST_F(clsKOPFFUSSTest, EnglishWordsAndLabels)
{
    head.SPRACHE = 1;
    head.SEITE = 1;
    head.SEITENANZAHL = 2;
    head.KOPFFUSSZEILE();
    EXPECT_EQ(head.identificationLabel(), "File");
    EXPECT_TRUE(shows("File Sand"));
    EXPECT_TRUE(shows("Project TE0000.00"));
    EXPECT_TRUE(shows("Page 1/2"));
    EXPECT_TRUE(shows("Program developed by Tarvelo"));
    EXPECT_TRUE(shows("Project Manager: Sommer"));

    head.KENNZEICHNUNG(std::vector<Variant>{"Sand", "Ton"});
    head.KOPFFUSSZEILE();
    EXPECT_EQ(head.identificationLabel(), "Files");
    head.SPRACHE = 3;
    head.KOPFFUSSZEILE();
    EXPECT_EQ(head.identificationLabel(), "Datensätze");
    head.KENNZEICHNUNG(Variant(int32_t(7)));
    head.SPRACHE = 2;  // neither language: the label stays as it was
    head.KOPFFUSSZEILE();
    EXPECT_EQ(head.identificationLabel(), "Datensätze");
    EXPECT_EQ(head.identificationText(), "7");
}

TEST_F(clsKOPFFUSSTest, IdentificationsThatDoNotFitEndInAnEllipsis)
{
    std::vector<Variant> many;
    for (int i = 1; i <= 12; ++i)
        many.emplace_back("Kontaktversuch Nummer " + std::to_string(i));
    head.KENNZEICHNUNG(many);
    head.KOPFFUSSZEILE();
    const std::string& line = head.identificationText();
    EXPECT_EQ(line.rfind("Kontaktversuch Nummer 1, Kontaktversuch Nummer 2", 0), 0u);
    EXPECT_TRUE(line.ends_with(", ..."));
    EXPECT_EQ(line.find("Nummer 12"), std::string::npos);
    page.font.size = 10;
    EXPECT_LT(page.textWidth(line), 180 + page.textWidth(", ..."));
}

TEST_F(clsKOPFFUSSTest, EmptyLinesAndThePageNumberCanBeLeftOut)
{
    head.KENNZEICHNUNG(Variant(""));
    head.EBOKFS = 0;
    head.KOPFFUSSZEILE();
    for (const std::string& text : texts()) {
        EXPECT_EQ(text.find("Datensatz"), std::string::npos);
        EXPECT_EQ(text.find("Seite"), std::string::npos);
    }
    EXPECT_TRUE(shows("Projekt TE0000.00"));
    EXPECT_EQ(texts().size(), 7u);  // heading, project, two right foot lines, date, time, worker
}

TEST_F(clsKOPFFUSSTest, MarginsBySideOrAllAtOnce)
{
    EXPECT_FLOAT_EQ(head.marginTop(), 15);
    head.RANDABSTAND("oben", 20);
    head.RANDABSTAND("links", 25);
    EXPECT_FLOAT_EQ(head.marginTop(), 20);
    EXPECT_FLOAT_EQ(head.marginLeft(), 25);
    EXPECT_FLOAT_EQ(head.marginBottom(), 15);
    head.RANDABSTAND("ringsum", 10);
    EXPECT_FLOAT_EQ(head.marginTop(), 10);
    EXPECT_FLOAT_EQ(head.marginRight(), 10);
    EXPECT_FLOAT_EQ(head.marginBottom(), 10);

    // A page in centimetres: the margins follow the target's unit.
    RecordingSurface centimetres(210 * 56.7, 297 * 56.7, 96, true);
    centimetres.setScaleMode(Surface::Centimetres);
    clsKOPFFUSS other(messages);
    other.AUSGABEOBJEKT(centimetres, centimetres);
    EXPECT_FLOAT_EQ(other.marginLeft(), 1.5f);
}

}  // namespace
