#include <gtest/gtest.h>

#include "platform/winreg/reg_text.h"

namespace brennix::winreg {
namespace {

const KeyPath kDevice = {"HKEY_CURRENT_USER", "Software", "Brennix Device", "002@Brax-VexaL"};

std::string utf16le(const std::string& ascii) {
    std::string out = "\xFF\xFE";
    for (char c : ascii) {
        out += c;
        out += '\0';
    }
    return out;
}

DWORD dwordOf(const Value& v) {
    return static_cast<DWORD>(v.data[0]) | static_cast<DWORD>(v.data[1]) << 8 |
           static_cast<DWORD>(v.data[2]) << 16 | static_cast<DWORD>(v.data[3]) << 24;
}

class RegTextReading : public ::testing::Test {
  protected:
    Document parse(const std::string& bytes) {
        Document doc;
        ParseError error;
        EXPECT_TRUE(parseRegText(bytes, doc, error)) << error.line << ": " << error.message;
        return doc;
    }
    ParseError fault(const std::string& bytes) {
        Document doc;
        ParseError error;
        EXPECT_FALSE(parseRegText(bytes, doc, error));
        return error;
    }
};

TEST_F(RegTextReading, DesktopExportInUtf16WithCrlfGivesKeysImpliedParentsAndDwords) {
    Document doc =
        parse(utf16le("Windows Registry Editor Version 5.00\r\n\r\n"
                      "[HKEY_CURRENT_USER\\Software\\Brennix Device\\002@Brax-VexaL]\r\n"
                      "\"BaseAddress1\"=dword:0000012C\r\n\"IRQ2\"=dword:00000001\r\n"));
    const KeyNode* device = doc.find(kDevice);
    ASSERT_NE(device, nullptr);
    ASSERT_NE(doc.find({"HKEY_CURRENT_USER", "Software"}), nullptr);
    const Value* base = device->findValue("baseaddress1");
    ASSERT_NE(base, nullptr);
    EXPECT_EQ(base->type, REG_DWORD);
    EXPECT_EQ(dwordOf(*base), 0x12CU);
}

TEST_F(RegTextReading, OldSingleByteExportWithLfIsRead) {
    Document doc =
        parse("REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Caf\xE9]\n\"Name\"=\"M\xFCller\"\n");
    const KeyNode* key = doc.find({"HKEY_CURRENT_USER", "Software", "Caf\xC3\xA9"});
    ASSERT_NE(key, nullptr);
    const Value* name = key->findValue("Name");
    ASSERT_NE(name, nullptr);
    EXPECT_EQ(std::string(name->data.begin(), name->data.end()), std::string("M\xC3\xBCller\0", 8));
}

TEST_F(RegTextReading, DeletionsInTheFileRemoveKeysAndValues) {
    Document doc = parse(
        "Windows Registry Editor Version 5.00\n"
        "[HKEY_CURRENT_USER\\A\\B]\n\"x\"=dword:00000001\n\"y\"=dword:00000002\n"
        "[HKEY_CURRENT_USER\\C]\n"
        "[-HKEY_CURRENT_USER\\A]\n"
        "[HKEY_CURRENT_USER\\C]\n\"z\"=\"q\"\n\"z\"=-\n");
    EXPECT_EQ(doc.find({"HKEY_CURRENT_USER", "A"}), nullptr);
    const KeyNode* c = doc.find({"HKEY_CURRENT_USER", "C"});
    ASSERT_NE(c, nullptr);
    EXPECT_TRUE(c->values.empty());
}

TEST_F(RegTextReading, StringEscapesAndContinuedHexLinesAreDecoded) {
    Document doc = parse(
        "Windows Registry Editor Version 5.00\r\n[HKEY_CURRENT_USER\\K]\r\n"
        "\"say \\\"hi\\\"\"=\"C:\\\\dir\"\r\n"
        "\"blob\"=hex:01,02,\\\r\n  03,ff\r\n"
        "\"path\"=hex(2):25,00,41,00,00,00\r\n");
    const KeyNode* k = doc.find({"HKEY_CURRENT_USER", "K"});
    ASSERT_NE(k, nullptr);
    const Value* text = k->findValue("say \"hi\"");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(std::string(text->data.begin(), text->data.end()), std::string("C:\\dir\0", 7));
    const Value* blob = k->findValue("blob");
    ASSERT_NE(blob, nullptr);
    EXPECT_EQ(blob->data, (std::vector<std::uint8_t>{1, 2, 3, 0xFF}));
    const Value* path = k->findValue("path");
    ASSERT_NE(path, nullptr);
    EXPECT_EQ(path->type, REG_EXPAND_SZ);
    EXPECT_EQ(std::string(path->data.begin(), path->data.end()), std::string("%A\0", 3));
}

TEST_F(RegTextReading, MalformedLinesAreReportedWithTheirLineNumber) {
    const std::string head = "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\K]\n";
    EXPECT_EQ(fault(head + "\"a\"=dword:1\n").line, 3);
    EXPECT_EQ(fault(head + "\"a\"=dword:0000000g\n").line, 3);
    EXPECT_EQ(fault(head + "\n\"a=dword:00000001\n").line, 4);
    EXPECT_EQ(fault(head + "\"a\"=\"open\n").line, 3);
    EXPECT_EQ(fault(head + "\"a\"=hex:1,zz\n").line, 3);
    EXPECT_EQ(fault(head + "\"a\"=sz:text\n").line, 3);
    EXPECT_EQ(fault(head + "[HKEY_CURRENT_USER\\K\n").line, 3);
    EXPECT_EQ(fault(head + "[HKEY_NOWHERE\\K]\n").line, 3);
    EXPECT_EQ(fault(head + "[HKEY_CURRENT_USER\\\\K]\n").line, 3);
    EXPECT_EQ(fault(head + "garbage\n").line, 3);
    std::string deep = "[HKEY_CURRENT_USER";
    for (int i = 0; i < 600; ++i) {
        deep += "\\k";
    }
    EXPECT_EQ(fault(head + deep + "]\n").line, 3);
    EXPECT_EQ(fault("Windows Registry Editor Version 4.00\n").line, 1);
    EXPECT_EQ(fault("Windows Registry Editor Version 5.00\n\"a\"=dword:00000001\n").line, 2);
}

TEST_F(RegTextReading, UnpairedSurrogateInUtf16IsReportedOnItsLine) {
    std::string bytes = utf16le("Windows Registry Editor Version 5.00\r\n[HKEY_CURRENT_USER\\");
    bytes += std::string("\x00\xD8", 2);
    bytes += std::string("]\0", 2);
    ParseError error = fault(bytes);
    EXPECT_EQ(error.line, 2);
    EXPECT_NE(error.message.find("surrogate"), std::string::npos);
}

TEST_F(RegTextReading, EmptyFileIsAnEmptyStore) {
    Document doc = parse("");
    EXPECT_TRUE(doc.top.subkeys.empty());
}

TEST_F(RegTextReading, KeysAndValuesInReverseOrderComeBackSortedAndComplete) {
    std::string text = "REGEDIT4\n";
    constexpr int kKeys = 3000;
    for (int i = kKeys - 1; i >= 0; --i) {
        text += "[HKEY_CURRENT_USER\\D\\k" + std::to_string(100000 + i) + "]\n";
    }
    text += "[HKEY_CURRENT_USER\\V]\n";
    for (int i = kKeys - 1; i >= 0; --i) {
        text += "\"v" + std::to_string(i) + "\"=dword:0000000" + std::to_string(i % 10) + "\n";
    }
    text += "\"v7\"=-\n\"V8\"=dword:0000000f\n";
    Document doc = parse(text);
    const KeyNode* d = doc.find({"HKEY_CURRENT_USER", "D"});
    ASSERT_NE(d, nullptr);
    ASSERT_EQ(d->subkeys.size(), static_cast<std::size_t>(kKeys));
    for (int i = 0; i < kKeys; ++i) {
        ASSERT_EQ(d->subkeys[static_cast<std::size_t>(i)].name, "k" + std::to_string(100000 + i));
    }
    const KeyNode* v = doc.find({"HKEY_CURRENT_USER", "V"});
    ASSERT_EQ(v->values.size(), static_cast<std::size_t>(kKeys - 1));
    EXPECT_EQ(v->values.front().name, "v" + std::to_string(kKeys - 1)) << "file order";
    EXPECT_EQ(v->findValue("v7"), nullptr);
    EXPECT_EQ(dwordOf(*v->findValue("v8")), 15U);
    EXPECT_EQ(v->findValue("v8")->name, "v8");
}

class RegTextWriting : public ::testing::Test {};

TEST_F(RegTextWriting, RewriteKeepsOtherTypesExactlyAndCanonicalisesNothingElse) {
    const std::string original =
        "Windows Registry Editor Version 5.00\r\n"
        "\r\n"
        "[HKEY_CURRENT_USER\\K]\r\n"
        "; why this is here\r\n"
        "\"s\"=\"a \\\"quoted\\\" \\\\ text\"\r\n"
        "\"b\"=hex:00,FF,\\\r\n"
        "  10\r\n"
        "\"m\"=hex(7):41,00,00,00,00,00\r\n"
        "\"q\"=hex(b):01,00,00,00,00,00,00,00\r\n"
        "@=dword:0000ABCD\r\n";
    Document doc;
    ParseError error;
    ASSERT_TRUE(parseRegText(original, doc, error)) << error.message;
    std::string written = formatRegText(doc);
    EXPECT_EQ(written.rfind("Windows Registry Editor Version 5.00\r\n", 0), 0U);
    for (const char* line : {"; why this is here\r\n", "\"s\"=\"a \\\"quoted\\\" \\\\ text\"\r\n",
                             "\"b\"=hex:00,FF,\\\r\n  10\r\n", "\"m\"=hex(7):41,00,00,00,00,00\r\n",
                             "\"q\"=hex(b):01,00,00,00,00,00,00,00\r\n", "@=dword:0000ABCD\r\n"}) {
        EXPECT_NE(written.find(line), std::string::npos) << line;
    }
    Document again;
    ASSERT_TRUE(parseRegText(written, again, error)) << error.message;
    EXPECT_EQ(formatRegText(again), written);
}

TEST_F(RegTextWriting, ChangedValuesAreWrittenInTheStandardForm) {
    Document doc;
    KeyNode& key = doc.create(kDevice);
    Value v;
    v.name = "IRQ1";
    v.type = REG_DWORD;
    v.data = {0x2C, 0x01, 0, 0};
    key.setValue(v);
    std::string written = formatRegText(doc);
    EXPECT_NE(written.find("[HKEY_CURRENT_USER\\Software\\Brennix Device\\002@Brax-VexaL]\r\n"
                           "\"IRQ1\"=dword:0000012c\r\n"),
              std::string::npos);
    EXPECT_NE(written.find("[HKEY_CURRENT_USER\\Software]\r\n"), std::string::npos);
}

TEST_F(RegTextWriting, OldExportTextValuesAreReEncodedForTheNewHeader) {
    Document doc;
    ParseError error;
    ASSERT_TRUE(
        parseRegText("REGEDIT4\n[HKEY_CURRENT_USER\\K]\n\"p\"=hex(2):25,41,00\n", doc, error));
    std::string written = formatRegText(doc);
    EXPECT_NE(written.find("\"p\"=hex(2):25,00,41,00,00,00\r\n"), std::string::npos) << written;
}

TEST_F(RegTextWriting, LongBinaryValuesWrapWithContinuations) {
    Document doc;
    Value v;
    v.name = "blob";
    v.type = REG_BINARY;
    v.data.assign(100, 0xAB);
    doc.create({"HKEY_CURRENT_USER", "K"}).setValue(v);
    std::string written = formatRegText(doc);
    EXPECT_NE(written.find(",\\\r\n  ab,"), std::string::npos);
    Document again;
    ParseError error;
    ASSERT_TRUE(parseRegText(written, again, error)) << error.message;
    EXPECT_EQ(again.find({"HKEY_CURRENT_USER", "K"})->findValue("blob")->data, v.data);
}

TEST_F(RegTextWriting, NamesDifferingOnlyInCaseReadAndRewriteUnderTheFirstSpelling) {
    Document doc;
    ParseError error;
    ASSERT_TRUE(
        parseRegText("REGEDIT4\n[HKEY_CURRENT_USER\\K]\n\"Rate\"=dword:00000001\n"
                     "\"RATE\"=dword:00000002\n",
                     doc, error));
    const KeyNode* key = doc.find({"HKEY_CURRENT_USER", "K"});
    ASSERT_EQ(key->values.size(), 1U);
    EXPECT_EQ(key->values[0].name, "Rate");
    EXPECT_EQ(dwordOf(key->values[0]), 2U);
    const std::string written = formatRegText(doc);
    EXPECT_NE(written.find("\"Rate\"=dword:00000002\r\n"), std::string::npos) << written;
    EXPECT_EQ(written.find("RATE"), std::string::npos) << written;
}

TEST_F(RegTextWriting, ARootWithNothingInItSurvivesARewrite) {
    Document doc;
    ParseError error;
    ASSERT_TRUE(
        parseRegText("REGEDIT4\n[HKEY_LOCAL_MACHINE]\n[HKEY_CURRENT_USER\\K]\n", doc, error));
    Document again;
    ASSERT_TRUE(parseRegText(formatRegText(doc), again, error)) << error.message;
    EXPECT_NE(again.find({"HKEY_LOCAL_MACHINE"}), nullptr) << formatRegText(doc);
    EXPECT_NE(again.find({"HKEY_CURRENT_USER", "K"}), nullptr);
    EXPECT_EQ(formatRegText(again), formatRegText(doc));
}

TEST_F(RegTextWriting, TextThatIsNotUtf8StaysInHexSoTheRestOfTheFileReadsTheSame) {
    Document doc;
    ParseError error;
    // Three bytes are no UTF-16, so they are kept as they are: not UTF-8.
    ASSERT_TRUE(
        parseRegText("Windows Registry Editor Version 5.00\r\n[HKEY_CURRENT_USER\\Caf\xc3\xa9]\r\n"
                     "\"s\"=hex(1):ff,41,00\r\n",
                     doc, error));
    Value* s = doc.find({"HKEY_CURRENT_USER", "Caf\xc3\xa9"})->findValue("s");
    ASSERT_NE(s, nullptr);
    s->source.clear();  // as after a change
    const std::string written = formatRegText(doc);
    Document again;
    ASSERT_TRUE(parseRegText(written, again, error)) << error.message;
    const KeyNode* key = again.find({"HKEY_CURRENT_USER", "Caf\xc3\xa9"});
    ASSERT_NE(key, nullptr) << written;
    EXPECT_EQ(key->findValue("s")->data, (std::vector<std::uint8_t>{0xff, 0x41, 0x00}));
}

}  // namespace
}  // namespace brennix::winreg
