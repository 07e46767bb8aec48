#include "outliners/c_functions.h"

#include <gtest/gtest.h>

void PrintTo(const FunctionEntry& entry, std::ostream* out)
{
    *out << entry.name << ':' << entry.line;
}

namespace {

using Entries = std::vector<FunctionEntry>;

TEST(CFunctionsTest, FindsDefinitionsWithTheLineOfTheirName)
{
    struct Case {
        const char* name;
        const char* text;
        Entries found;
    } cases[] = {
        {"plain C", "int main(int argc, char **argv)\n{\n    return 0;\n}\n",
         {{"main", 1}}},
        {"name on the line after the type", "static void\nhelper(void)\n{\n}\n",
         {{"helper", 2}}},
        {"several, bodies with nested braces",
         "void a() { if (x) { y(); } }\nint b(int q)\n{\n  while (q) { --q; }\n  return q;\n}\n",
         {{"a", 1}, {"b", 2}}},
        {"declarations and prototypes are not definitions",
         "int f(int);\nextern int g(void);\nint h() { return f(1); }\n", {{"h", 3}}},
        {"member functions, destructors and operators",
         "Doc::Doc() : m_a(1), m_b{2} {}\nDoc::~Doc() {}\nbool operator==(A a, B b) { return 1; }\n"
         "int ns::Doc::Size() const noexcept { return 0; }\n",
         {{"Doc::Doc", 1}, {"Doc::~Doc", 2}, {"operator==", 3}, {"ns::Doc::Size", 4}}},
        {"inside namespaces, classes and extern C",
         "namespace n {\nclass C : public B {\n  int get() const { return v; }\n  int v;\n};\n}\n"
         "extern \"C\" {\nvoid c_api(void) {}\n}\n",
         {{"get", 3}, {"c_api", 8}}},
        {"a struct-returning function", "struct tm *when(void)\n{\n}\n", {{"when", 1}}},
        {"initialisers, enums and types are not functions",
         "int table[] = { 1, 2 };\nenum E { A, B };\nstruct S { int x; };\n"
         "auto f = [](int x) { return x; };\nint k(void) { return 0; }\n",
         {{"k", 5}}},
        {"comments, strings and preprocessor lines are skipped",
         "/* void hidden() { } */\n// int gone() {}\n#define M(x) { x }\n#if 0\n#endif\n"
         "const char* s = \"void fake() {\";\nchar c = '{';\nint real()\n{\n  return '}';\n}\n",
         {{"real", 8}}},
        {"a continued macro line counts its lines", "#define LONG(a) \\\n  a\nvoid after() {}\n",
         {{"after", 3}}},
        {"templates", "template <typename T>\nT max_of(T a, T b) { return a > b ? a : b; }\n",
         {{"max_of", 2}}},
        {"control keywords are not names", "if (x) { }\n", {}},
        {"unclosed body and comment end quietly", "void open() {\n  /* never", {{"open", 1}}},
        {"empty", "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FindFunctions(c.text), c.found);
    }
}

TEST(CFunctionsTest, AnyBytesEndWithoutHarm)
{
    std::string text;
    for (int i = 0; i < 4096; ++i)
        text += static_cast<char>((i * 7919) % 256);
    FindFunctions(text);
    FindFunctions("}}}}{{{{(((())))");
    FindFunctions("\"\\");
}

} // namespace
