#include "AboutBox.h"

#include "App.h"
#include "SysInfo.h"

namespace zen {

namespace {

const Font kSmall{"ＭＳ Ｐゴシック", 8.25, false, false};

}  // namespace

AboutBox::AboutBox(App& app) : AuxWindow(app, "AboutBox") {
  setCaption("ﾊﾞｰｼﾞｮﾝ情報");
  setClientSize(5730, 3555);
  setBackColour(kAboutBack);
  setBorder(BorderStyle::FixedDialog);
  setFont(Font{"ＭＳ Ｐゴシック", 9, false, false});
  // A reader hears the box's texts as it opens.
  setDialog(true);

  auto& icon = add<PictureBox>("icon");
  icon.setBounds(240, 240, 540, 540);
  icon.setBackColour(0xFFFF00);
  icon.setPicture(":/assets/zentario.svg");
  icon.setRole(Role::Graphic);
  icon.setAccessibleName("ZENTARIO");

  auto label = [this](const char* name, int left, int top, int width, int height, const Font& font, Rgb fore,
                      const char* caption) -> Label& {
    auto& l = add<Label>(name);
    l.setBounds(left, top, width, height);
    l.setFont(font);
    l.setForeColour(fore);
    l.setBackColour(kAboutBack);
    l.setCaption(caption);
    return l;
  };
  label("title", 1050, 240, 1605, 240, Font{"ＭＳ Ｐゴシック", 11.25, true, false}, 0x0000FF, "色帯抵抗");
  label("version", 1080, 600, 765, 225, font(), kSystemWindowText, "Ver 1.95");
  description_ = &label("description", 960, 1200, 4215, 615, kSmall, kSystemWindowText, "");
  description_->setWordWrap(true);
  label("systemInfoNote", 960, 2040, 4245, 210, kSmall, 0x000000, "ＰＣのシステムは下記コマンド（Ｓ）で確認して下さい");

  // An etched separator: a white line under a grey one.
  auto& white = add<Line>("separatorHighlight");
  white.setEnds(105, 2460, 5654, 2460);
  white.setForeColour(0xFFFFFF);
  white.setLineWidth(2);
  auto& grey = add<Line>("separatorShadow");
  grey.setEnds(90, 2445, 5654, 2445);
  grey.setForeColour(0x808080);

  auto& notice = label("rightsNotice", 255, 2640, 3870, 705, kSmall, kSystemWindowText,
                       "このプログラムの著作権は作者が有します。プログラムの改変は禁止します。"
                       "配布は自由に行って下さい。");
  notice.setWordWrap(true);

  auto& ok = add<CommandButton>("okButton");
  ok.setBounds(4245, 2625, 1380, 345);
  ok.setCaption("OK");
  ok.setBackColour(kSystemButtonFace);
  ok.setForeColour(kSystemWindowText);
  ok.setFont(font());
  ok.setDefault(true);
  ok.setCancel(true);
  ok.setTabIndex(0);
  ok.onClick = [this] { okPressed(); };

  auto& sysInfo = add<CommandButton>("systemInfoButton");
  sysInfo.setBounds(4260, 3075, 1380, 345);
  sysInfo.setCaption("ｼｽﾃﾑ情報(&S)...");
  sysInfo.setAccessibleName("ｼｽﾃﾑ情報...");
  sysInfo.setBackColour(kSystemButtonFace);
  sysInfo.setForeColour(kSystemWindowText);
  sysInfo.setFont(font());
  sysInfo.setTabIndex(1);
  sysInfo.onClick = [this] { systemInfoPressed(); };

  setFocus(ok);
}

void AboutBox::okPressed() { closeAndReturn(); }

// The box stays open whatever happens: the tool starts beside it, or the user reads why not.
void AboutBox::systemInfoPressed() { StartSysInfo(app().platform()); }

}  // namespace zen
