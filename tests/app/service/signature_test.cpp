// Signed URLs and entity tags: known HMAC-SHA256 values, what keeps a URL
// signed and what breaks its signature, and If-None-Match.
#include <gtest/gtest.h>

#include "service/entity_tag.h"
#include "service/query_error.h"
#include "service/url_signature.h"

using namespace Qt::StringLiterals;

namespace {

const QByteArray key = "Jefe";

// HMAC-SHA256 in lowercase hex (RFC 4231, test case 2), of the path and the
// canonical query without the signature.
TEST(UrlSignature, IsHmacSha256OfThePathAndTheCanonicalQuery) {
  EXPECT_EQ(signatureOf(key, u"what do ya want for nothing?"_s),
            u"5bdcc146bf60754e6a042426089575c75a003f089d2739839dec58b964ec3843"_s);
  EXPECT_EQ(signedText(u"/v1/title.png"_s, queryPairs("text=Hi&size=48")),
            u"/v1/title.png?size=48&text=Hi"_s);
  std::vector<QueryPair> pairs = queryPairs("text=Hi&sig=abc&size=4");
  EXPECT_EQ(takeSignature(pairs), u"abc"_s);
  EXPECT_EQ(canonicalQuery(pairs), u"size=4&text=Hi"_s);
  EXPECT_EQ(takeSignature(pairs), std::nullopt);
}

TEST(UrlSignature, SignedUrlKeepsHostAndCanonicalQueryAndABadUrlIsRefused) {
  const QString expected =
      u"http://titles.example:8080/v1/title.png?size=48&text=My%20Site&sig="_s +
      signatureOf(key, u"/v1/title.png?size=48&text=My%20Site"_s);
  for (const char* url :
       {"http://titles.example:8080/v1/title.png?text=My+Site&size=48",
        "http://titles.example:8080/v1/title.png?size=48&text=My%20Site",
        "http://titles.example:8080/v1/title.png?size=48&text=My%20Site&sig=0123"})
    EXPECT_EQ(signedUrl(key, QString::fromLatin1(url)), expected) << url;
  EXPECT_EQ(signedUrl(key, u"/v1/title.webp?text=A"_s),
            u"/v1/title.webp?text=A&sig="_s + signatureOf(key, u"/v1/title.webp?text=A"_s));
  for (const char* url : {"", "http://[::1", "http://host/v1/title.png?text=%FF"})
    EXPECT_THROW(signedUrl(key, QString::fromLatin1(url)), QueryError) << url;
}

TEST(UrlSignature, OnlyTheRightSignatureMatches) {
  const QString text = u"/v1/title.png?text=Hi"_s;
  const QString right = signatureOf(key, text);
  QString changed = right;
  changed[63] = right[63] == u'0' ? u'1' : u'0';
  const struct {
    QString signature;
    QString text;
    QByteArray key;
    bool matches;
  } cases[] = {
      {right, text, key, true},
      {right.toUpper(), text, key, false},
      {changed, text, key, false},
      {right.left(63), text, key, false},
      {right + u'0', text, key, false},
      {{}, text, key, false},
      {right, u"/v1/title.webp?text=Hi"_s, key, false},
      {right, u"/v1/title.png?text=Ho"_s, key, false},
      {right, text, "Jeff", false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(signatureMatches(c.key, c.text, c.signature), c.matches) << c.signature.toStdString();
}

TEST(EntityTag, IsStrongAndMadeOfVersionPathAndQuery) {
  const QByteArray tag = entityTag(u"1.0"_s, u"/v1/title.png"_s, u"text=Hi"_s);
  EXPECT_EQ(tag.size(), 34);
  EXPECT_TRUE(tag.startsWith('"') && tag.endsWith('"'));
  EXPECT_EQ(tag, entityTag(u"1.0"_s, u"/v1/title.png"_s, u"text=Hi"_s));
  EXPECT_NE(tag, entityTag(u"1.1"_s, u"/v1/title.png"_s, u"text=Hi"_s));
  EXPECT_NE(tag, entityTag(u"1.0"_s, u"/v1/title.webp"_s, u"text=Hi"_s));
  EXPECT_NE(tag, entityTag(u"1.0"_s, u"/v1/title.png"_s, u"text=Ho"_s));
}

TEST(EntityTag, IfNoneMatchHoldsForTheTagOrStar) {
  const QByteArray tag = "\"abc\"";
  const struct {
    const char* header;
    bool holds;
  } cases[] = {
      {"\"abc\"", true},        {"*", true},         {"W/\"abc\"", true},
      {"\"x\", \"abc\"", true}, {" \"abc\" ", true}, {"\"abd\"", false},
      {"abc", false},           {"", false},         {"\"ab\"", false},
      {"\"x\",\"y\"", false},
  };
  for (const auto& c : cases) EXPECT_EQ(noneMatchHolds(c.header, tag), c.holds) << c.header;
}

}  // namespace
