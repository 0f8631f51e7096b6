#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "afx/String.h"
#include "text/Scramble.h"

namespace
{
// A password stored by an earlier run of the program: its form must stay
// readable, whatever else changes.
const char kStoredPassword[] = "(#$\"++\"')\" ,'*.\"%,,'##*,!((#/,&(-###+(\"$)- )'$.-%),$#.*)!%(./)&%-"
                               ".$*  \"/)* &'/.*%&,/#+*&  (+/&&\"-+$'+\"\",)' #',.'%#,,#(*#!-((/#&--($"
                               "$+-\"))$ .  .$%.,)#%*.!*(%#!&*-%$/+*\"&)/ +'&./#\"  #\"*+!'(\"/+  -\"$"
                               ",+'\"#),  '#.,%(,##-  !$(-/(&$--  +$%())  '..)%%,.#**%!/(*/%&/-*$&+/\""
                               "+)& \"'+.&%\"  #'  !,('/\"&,  $#+,\"()# -'(.#%-,(#$*-  ($'$&)-$$.+)  )"
                               ". *'%..%*,%#/  !&(//*&&-/$++&\"\"&!(#'\".+%',\"#,*'!#(,\"-&#  $(  \"-)"
                               "( $'-.(%$,-#)*$!.()/$&.-)' +.\"*)% /'*.%%/,*#&*/  (&//&+-&$\"++\"')\"&"
                               ".''.\"%,,'##*,!((#/,  -#$-+(\"$)- )'$&/%),$#.*)!%(./)";

// One that fills all 32 places, so that every entry of the position table
// is checked, with second bytes that are backslashes.
const char kStoredFullPassword[] =
    "%*!/%.&'\"&/.%,-''-!.-/.'%'$\"+%#--,'.(+/#-/,\"((+'/-,&.,*+%#.$/#'\"#%#'$\",%,&-&#/*(&(%%!"
    "/&)\"%/,*-),/')(&//%+/%-.\"/-\"+\"&.''& (*%%/'%(*&$-(/,.\"!/\")*,*/ ('\"$'!/\"-\"-'(,'(#*,*('-"
    " )$'*.%/\"( +*+.$/,/\"\"&),+,*&&-&.\"##'#-%%%*\"\"\"*&/**$\",%/%\"$,'#)%.%-)-\"/-(\"-+\"-*$.%$##."
    "- &./#/%.(.#&\"\"/++-#,#&'-.+\"$&#-%\"! ')' )') (,\"##)&(%($.)$ !-)%/$/$(&/+%+--\"/.*-\"$-\")"
    ",.'+-.*.%',,!-/.\"# (%,# )#\"-)& \",'%-!%*$%,\"'#/(($!.-(+*/##('(+!',(*.&&$#/+*\")('*))**#"
    ",(-,&,&)..%*($-%.)$)/&#-&./-&#*(%(#*-/(\"(/'/,!%&.,(*.#.#/&).-&\"/%!\"+#)$-').\"+\"$ ')+('";

BOOL IsScrambledForm(const CString& text)
{
    if (text.GetLength() != 510)
        return FALSE;
    for (int i = 0; i < text.GetLength(); i++)
        if (text[i] < 0x20 || text[i] > 0x2F)
            return FALSE;
    return TRUE;
}

TEST(ScrambleTest, StoredFormReadsBack)
{
    CString plain;
    ASSERT_TRUE(DecodeScrambledText32(kStoredPassword, plain));
    EXPECT_STREQ("tanzo-パス123", plain);
    ASSERT_TRUE(DecodeScrambledText32(kStoredFullPassword, plain));
    EXPECT_STREQ("表ソ能Zz09-_~!@#$%^&*()[]{}<>?AB", plain);
}

TEST(ScrambleTest, TextsRoundTrip)
{
    std::string allBytes; // every byte value but 0, 32 at a time below
    for (int b = 1; b < 256; b++)
        allBytes += (char)b;
    std::vector<std::string> texts = {
        "", "a", "password", "パスワード", "12345678901234567890123456789012", "ｶﾀｶﾅ表示ソ\\"};
    for (size_t i = 0; i < allBytes.size(); i += 32)
        texts.push_back(allBytes.substr(i, 32));
    for (const std::string& text : texts)
    {
        CString scrambled, plain;
        ASSERT_TRUE(EncodeScrambledText32(text.c_str(), scrambled)) << text;
        EXPECT_TRUE(IsScrambledForm(scrambled)) << text;
        ASSERT_TRUE(DecodeScrambledText32(scrambled, plain)) << text;
        EXPECT_EQ(text, std::string(plain));
    }
}

TEST(ScrambleTest, SameTextScramblesDifferently)
{
    CString first, second, plain1, plain2;
    ASSERT_TRUE(EncodeScrambledText32("secret", first));
    ASSERT_TRUE(EncodeScrambledText32("secret", second));
    EXPECT_NE(first, second);
    ASSERT_TRUE(DecodeScrambledText32(first, plain1));
    ASSERT_TRUE(DecodeScrambledText32(second, plain2));
    EXPECT_STREQ("secret", plain1);
    EXPECT_STREQ("secret", plain2);
}

TEST(ScrambleTest, RefusedTextsLeaveTheOutputAlone)
{
    CString out = "unchanged";
    EXPECT_FALSE(EncodeScrambledText32("123456789012345678901234567890123", out));  // 33 bytes
    EXPECT_FALSE(EncodeScrambledText32("パスワードパスワードパスワードパス", out)); // 34 bytes
    EXPECT_FALSE(EncodeScrambledText32(nullptr, out));
    EXPECT_STREQ("unchanged", out);

    const std::string stored = kStoredPassword;
    EXPECT_FALSE(DecodeScrambledText32(stored.substr(0, 509).c_str(), out));
    EXPECT_FALSE(DecodeScrambledText32((stored + " ").c_str(), out));
    EXPECT_FALSE(DecodeScrambledText32("", out));
    EXPECT_FALSE(DecodeScrambledText32(nullptr, out));
    EXPECT_STREQ("unchanged", out);
}
} // namespace
