#!/usr/bin/env python3
"""Writes the broken and hostile documents of this folder: each one a page the editor and
htmlsim-cli must read without a crash or a hang, and save back byte for byte. Run it from
anywhere; it rewrites every *.html here."""
import os

HERE = os.path.dirname(os.path.abspath(__file__))
CRLF = "\r\n"


def section(name, body):
    return "<!-- Section: " + name + " -->" + CRLF + body + "<!-- Section End -->" + CRLF


def page(*sections, head=""):
    return ("<HTML>" + CRLF + "<HEAD>" + head + "</HEAD>" + CRLF + "<BODY>" + CRLF
            + "".join(sections) + "</BODY>" + CRLF + "</HTML>" + CRLF)


def img(attrs):
    return "<IMG " + attrs + "/>" + CRLF


GOOD_IMG = "SRC='shot.png' Name='Map1' BORDER='0' Width='200' Height='150' STYLE='position:absolute; left:10px; top:20px' UseMap='#Map1'"
AREA = "<AREA SHAPE='rect' COORDS='10,10,60,40' Title='t' HREF='next.html'/> " + CRLF


def images(body):
    return section("Images", body)


def documents():
    docs = {}
    # Unclosed tags and quotes.
    docs["unclosed-img"] = page(images("<IMG SRC='shot.png' Width='20'" + CRLF))
    docs["unclosed-map"] = page(images(img(GOOD_IMG) + "<map name='Map1'>" + CRLF + AREA))
    docs["unclosed-canvas"] = page(images("<canvas id='C' SRC='shot.png' width='20' Height='20'>" + CRLF))
    docs["unclosed-label"] = page(section("Labels", "<Label style='left:5px'>never closed" + CRLF))
    docs["unclosed-anchor"] = page(section("Anchors", "<a href='x.html' style='left:1px'>open" + CRLF))
    docs["unclosed-div"] = page(section("Balloons", "<div style='left:1px; top:2px'>hi" + CRLF))
    docs["unclosed-comment"] = page(images("<!-- a comment that never ends" + CRLF + img(GOOD_IMG)))
    docs["unclosed-angle"] = page(images("<IMG SRC='shot.png' Width='20' Height='20'" + CRLF + "<a" + CRLF))
    # A quote of each kind unmatched.
    docs["quote-single"] = page(images("<IMG SRC='shot.png Width='20' Height='20'/>" + CRLF))
    docs["quote-double"] = page(images('<IMG SRC="shot.png Width="20" Height="20"/>' + CRLF))
    docs["quote-backtick"] = page(images("<IMG SRC=`shot.png Width=20 Height=20/>" + CRLF))
    docs["quote-mixed"] = page(images("<IMG SRC='shot.png\" Width=\"20' Height='20\"/>" + CRLF))
    docs["quote-style"] = page(section("Labels", "<Label style='left:5px; top:6px>x</Label>" + CRLF))
    docs["quote-input"] = page(section("Inputs", "<input type='text value='v' style='left:1px'></input>" + CRLF))
    # Tags with hundreds of attributes.
    many = " ".join("a%d='%d'" % (k, k) for k in range(600))
    docs["attributes-600-img"] = page(images("<IMG " + many + " " + GOOD_IMG + "/>" + CRLF))
    docs["attributes-600-input"] = page(section("Inputs", "<input " + many + "></input>" + CRLF))
    docs["attributes-repeated"] = page(images("<IMG " + " ".join(["Width='%d'" % k for k in range(400)]) + " SRC='shot.png'/>" + CRLF))
    docs["attributes-no-values"] = page(images("<IMG " + " ".join(["flag%d" % k for k in range(300)]) + "/>" + CRLF))
    # Markers nested and crossed.
    docs["markers-nested"] = page(section("Images", section("Labels", "<Label>inner</Label>" + CRLF)))
    docs["markers-crossed"] = page("<!-- Section: Images -->" + CRLF + "<!-- Section: Labels -->" + CRLF + img(GOOD_IMG)
                                   + "<!-- Section End -->" + CRLF + "<Label>x</Label>" + CRLF + "<!-- Section End -->" + CRLF)
    docs["markers-no-end"] = page("<!-- Section: Images -->" + CRLF + img(GOOD_IMG))
    docs["markers-only-end"] = page("<!-- Section End -->" + CRLF + "<!-- Section End -->" + CRLF)
    docs["markers-duplicate"] = page(images(img(GOOD_IMG)), images(img(GOOD_IMG)), section("Labels", ""), section("Labels", "<Label>two</Label>" + CRLF))
    docs["markers-empty-name"] = page(section("", "body" + CRLF), section(" ", ""))
    docs["markers-in-attribute"] = page(images("<IMG SRC='<!-- Section End -->' Width='3' Height='3'/>" + CRLF))
    docs["markers-half"] = page("<!-- Section: Images" + CRLF + img(GOOD_IMG) + "-- Section End -->" + CRLF)
    # A 5 MB line.
    docs["line-5mb"] = page(images("<IMG SRC='shot.png' Title='" + "x" * (5 * 1024 * 1024) + "' Width='20' Height='20'/>" + CRLF))
    # NUL bytes.
    docs["nul-in-attribute"] = page(images("<IMG SRC='sh\0ot.png' Width='20' Height='20'/>" + CRLF))
    docs["nul-in-marker"] = page("<!-- Section: Ima\0ges -->" + CRLF + img(GOOD_IMG) + "<!-- Section End -->" + CRLF)
    docs["nul-everywhere"] = page(images("\0\0<IMG\0SRC='shot.png'\0/>\0" + CRLF), section("Labels", "<Label>\0</Label>" + CRLF))
    # Coordinates beyond 16 bits.
    docs["coords-huge"] = page(images(img(GOOD_IMG) + "<map name='Map1'>" + CRLF
                                      + "<AREA SHAPE='rect' COORDS='99999,-99999,4294967296,1e300' HREF='x.html'/> " + CRLF + "</map>" + CRLF))
    docs["coords-few"] = page(images(img(GOOD_IMG) + "<map name='Map1'>" + CRLF + "<AREA SHAPE='rect' COORDS='1,2' HREF='x.html'/> " + CRLF + "</map>" + CRLF))
    docs["coords-text"] = page(images(img(GOOD_IMG) + "<map name='Map1'>" + CRLF + "<AREA COORDS='a,b,c,d'/> " + CRLF + "</map>" + CRLF))
    docs["position-huge"] = page(images("<IMG SRC='shot.png' Width='70000' Height='-70000' STYLE='position:absolute; left:40000px; top:-40000px'/>" + CRLF))
    docs["canvas-areas-huge"] = page(section("CanvasScript_Top", "var Areas = new Array();" + CRLF + "Areas.push('99999,99999,-99999,1e999,x.html,left');" + CRLF + "Areas.push('1,2');" + CRLF),
                                     images("<canvas id='Canvas_1' SRC='shot.png' width='20' Height='20' style='left:0px; top:0px'></canvas>" + CRLF))
    docs["style-huge-values"] = page(section("Labels", "<Label style='left:1e308px; top:-1e308px; font-size:1e308; color:#zzzzzz'>x</Label>" + CRLF),
                                     section("Inputs", "<input maxlength='99999' size='-99999' checked='maybe' style='left:99999px'></input>" + CRLF))
    docs["balloon-huge"] = page(images(img(GOOD_IMG)), section("Balloons", "<div style='position:absolute; left:99999px; top:-99999px; width:1e9; height:NaNpx;background-color:; border-radius:-5px;'>b</div>" + CRLF))
    # A section body of 100,000 elements.
    docs["elements-100000"] = page(section("Labels", "".join("<Label style='left:%dpx; top:%dpx'>L%d</Label>" % (k % 500, k % 300, k) for k in range(100000)) + CRLF))
    docs["areas-20000"] = page(images(img(GOOD_IMG) + "<map name='Map1'>" + CRLF + AREA * 20000 + "</map>" + CRLF))
    # Encodings: invalid UTF-8, Windows-1252, CR without LF.
    docs["utf8-invalid"] = page(section("Labels", "<Label>\udcff\udcfe\udcc3( ok</Label>" + CRLF))
    docs["utf8-truncated"] = page(section("Anchors", "<a href='\udce2\udc82'>x</a>" + CRLF))
    docs["windows-1252"] = page(section("Labels", "<Label>caf\udce9 \udc80 \udc93quoted\udc94</Label>" + CRLF))
    docs["utf8-valid"] = page(section("Labels", "<Label>café ☺ 日本</Label>" + CRLF))
    docs["cr-without-lf"] = page(images(img(GOOD_IMG).replace(CRLF, "\r") + "<map name='Map1'>\r" + AREA.replace(CRLF, "\r") + "</map>" + CRLF))
    docs["lf-only"] = page(images(img(GOOD_IMG).replace(CRLF, "\n") + "<map name='Map1'>\n</map>" + CRLF))
    # Odd but plausible pages.
    docs["no-sections"] = "<HTML><BODY><P>nothing here</P></BODY></HTML>" + CRLF
    docs["empty-sections"] = page(images(""), section("Labels", ""), section("Anchors", ""), section("Inputs", ""), section("Balloons", ""))
    docs["not-html"] = "%PDF-1.4 this is not a page at all" + CRLF
    docs["binary-garbage"] = "".join(chr(0xDC00 + (k * 37) % 256) if (k * 37) % 256 >= 128 else chr((k * 37) % 128) for k in range(4096)) + "x" + CRLF
    docs["tags-only-angles"] = page(images("<<<<>>>>" * 500 + CRLF))
    docs["deep-nesting"] = page(images("<a>" * 5000 + img(GOOD_IMG) + "</a>" * 5000 + CRLF))
    docs["unknown-tags"] = page(images("<P>x</P><TABLE><TR><TD>y</TD></TR></TABLE>" + CRLF), section("Balloons", "<span>z</span>" + CRLF))
    docs["map-without-image"] = page(images("<map name='Lost'>" + CRLF + AREA + "</map>" + CRLF))
    docs["usemap-missing-map"] = page(images(img(GOOD_IMG.replace("#Map1", "#Nowhere"))))
    docs["src-hostile"] = page(images("<IMG SRC='../../../../../../etc/passwd' Width='5' Height='5'/>" + CRLF + "<IMG SRC='/dev/zero' Width='5' Height='5'/>" + CRLF))
    docs["src-url"] = page(images("<IMG SRC='http://127.0.0.1:9/x.png' Width='5' Height='5'/>" + CRLF + "<IMG SRC='ftp://u:p@127.0.0.1:9/x.png' Width='5' Height='5'/>" + CRLF))
    docs["input-types"] = page(section("Inputs", "".join("<input type='%s' value='v,w' checked='on'></input>" % t for t in
                                                            ["TEXT", "PASSWORD", "CHECKBOX", "RADIO", "SUBMIT", "RESET", "BUTTON", "SELECT", "FILE", "IMAGE", "HIDDEN", "nonsense", ""]) + CRLF))
    return docs


def main():
    for name, text in documents().items():
        data = text.encode("utf-8", "surrogateescape")
        with open(os.path.join(HERE, name + ".html"), "wb") as out:
            out.write(data)


if __name__ == "__main__":
    main()
