// The texts of the tables compared character by character with the texts the program must show.
#include "text/text_tables.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tessaline {
namespace {

using namespace std::string_view_literals;
using Four = std::array<std::string_view, kRegionCount>;

template <typename Text>
void expectColumns(const Text& actual, const Four& expected, const std::string& where) {
    for (const Region region : kAllRegions)
        EXPECT_EQ(actual.text(region), expected[RegionColumn(region)])
            << where << ", language " << RegionCode(region);
}

enum class Part { Label, Value };

struct WindowText {
    int row;
    Part part;
    int k;
    Four texts;
};

// Main window and serial settings dialog, rows 0 to 18.
const WindowText kWindowTexts[] = {
    {0, Part::Label, 0, {"Easy"sv, "かんたん"sv, "简单"sv, "간편"sv}},
    {0, Part::Label, 1, {"Standard"sv, "基本"sv, "基础"sv, "기본"sv}},
    {0, Part::Label, 2, {"Information"sv, "情報"sv, "情报"sv, "정보"sv}},
    {0, Part::Label, 3, {"Sensor Adjustment"sv, "センサー調整"sv, "传感器调整"sv, "센서 조정"sv}},
    {0, Part::Label, 4, {"Print Test"sv, "テスト印刷"sv, "打印测试"sv, "테스트 인쇄"sv}},
    {0, Part::Label, 5, {"Advanced"sv, "拡張"sv, "高级"sv, "고급"sv}},
    {1,
     Part::Label,
     0,
     {"TAB Check All/Uncheck All"sv, "タブ内全選択/全解除"sv, "TAB全部选择/全部解除"sv,
      "TAB전체선택/모두 해제"sv}},
    {2,
     Part::Label,
     0,
     {"Printer Model:"sv, "プリンタモデル:"sv, "打印机型号:"sv, "프린터 모델:"sv}},
    {3, Part::Label, 0, {"Driver Name"sv, "ドライバ名"sv, "驱动程序名称"sv, "드라이브 명"sv}},
    {4, Part::Label, 0, {"Detail..."sv, "詳細..."sv, "细节..."sv, "자세히..."sv}},
    {5, Part::Label, 0, {"IP Address"sv, "IPアドレス"sv, "IP地址"sv, "IP주소"sv}},
    {6, Part::Label, 0, {"Port Number:"sv, "ポート番号:"sv, "端口号:"sv, "Port번호:"sv}},
    {7, Part::Label, 0, {"Send Configuration"sv, "設定送信"sv, "发送设置"sv, "설정 보내기"sv}},
    {7,
     Part::Label,
     1,
     {"Start Sensor Adjustment"sv, "センサー調整開始"sv, "开始传感器调整"sv,
      "센서 조정을 시작하십시오"sv}},
    {8, Part::Label, 0, {"Import..."sv, "インポート..."sv, "导入..."sv, "가져오기..."sv}},
    {9, Part::Label, 0, {"Export..."sv, "エクスポート..."sv, "导出..."sv, "내보내기..."sv}},
    {10, Part::Label, 0, {"Receive"sv, "受信"sv, "收信"sv, "받기"sv}},
    {10, Part::Value, 0, {"EASY"sv, "かんたん"sv, "简单"sv, "간편"sv}},
    {10, Part::Value, 1, {"STANDARD"sv, "基本"sv, "基础"sv, "기본"sv}},
    {10, Part::Value, 2, {"INFORMATION"sv, "情報"sv, "情报"sv, "정보"sv}},
    {10, Part::Value, 3, {"ADVANCED"sv, "拡張"sv, "高级"sv, "고급"sv}},
    {11, Part::Label, 0, {"Restore Defaults"sv, "初期値に戻す"sv, "恢复默认"sv, "초기화"sv}},
    {12, Part::Label, 0, {"Exit"sv, "終了"sv, "退出"sv, "나가기"sv}},
    {13, Part::Label, 0, {"Baud rate"sv, "ボーレート"sv, "波特率"sv, "비트/초"sv}},
    {13, Part::Value, 0, {"9600"sv, "9600"sv, "9600"sv, "9600"sv}},
    {13, Part::Value, 1, {"19200"sv, "19200"sv, "19200"sv, "19200"sv}},
    {13, Part::Value, 2, {"38400"sv, "38400"sv, "38400"sv, "38400"sv}},
    {13, Part::Value, 3, {"57600"sv, "57600"sv, "57600"sv, "57600"sv}},
    {13, Part::Value, 4, {"115200"sv, "115200"sv, "115200"sv, "115200"sv}},
    {14, Part::Label, 0, {"Data bits"sv, "データビット"sv, "数据位"sv, "데이터비트"sv}},
    {14, Part::Value, 0, {"7"sv, "7"sv, "7"sv, "7"sv}},
    {14, Part::Value, 1, {"8"sv, "8"sv, "8"sv, "8"sv}},
    {15, Part::Label, 0, {"Stop bits"sv, "ストップビット"sv, "停止位"sv, "정지비트"sv}},
    {15, Part::Value, 0, {"1"sv, "1"sv, "1"sv, "1"sv}},
    {15, Part::Value, 1, {"2"sv, "2"sv, "2"sv, "2"sv}},
    {16, Part::Label, 0, {"Parity"sv, "パリティ"sv, "奇偶校验"sv, "페리티"sv}},
    {16, Part::Value, 0, {"None"sv, "None"sv, "无"sv, "없음"sv}},
    {16, Part::Value, 1, {"Odd"sv, "Odd"sv, "奇数"sv, "홀수"sv}},
    {16, Part::Value, 2, {"Even"sv, "Even"sv, "偶数"sv, "짝수"sv}},
    {17, Part::Label, 0, {"Flow control"sv, "フロー制御"sv, "数据流控制"sv, "흐름제어"sv}},
    {17, Part::Value, 0, {"Xon/Xoff"sv, "Xon/Xoff"sv, "Xon/Xoff"sv, "Xon/Xoff"sv}},
    {17, Part::Value, 1, {"Hardware"sv, "ハードウェア"sv, "硬件"sv, "Hardware"sv}},
    {17, Part::Value, 2, {"None"sv, "なし"sv, "无"sv, "없음"sv}},
    {18, Part::Label, 0, {"COM Settings"sv, "COM設定"sv, "COM设置"sv, "COM설정"sv}},
};

TEST(TextTables, MainWindowAndSerialDialogTexts) {
    std::array<std::size_t, 19> labels{}, values{};
    for (const auto& expected : kWindowTexts) {
        const ItemTexts& item = ItemTextTable()[expected.row];
        const auto& list = expected.part == Part::Label ? item.labels : item.values;
        const std::string where =
            "row " + std::to_string(expected.row) + " item " + std::to_string(expected.k);
        ASSERT_LT(static_cast<std::size_t>(expected.k), list.size()) << where;
        expectColumns(list[expected.k], expected.texts, where);
        ++(expected.part == Part::Label ? labels : values)[expected.row];
    }
    for (std::size_t row = 0; row < 19; ++row) {
        const ItemTexts& item = ItemTextTable()[row];
        EXPECT_EQ(item.labels.size(), labels[row]) << "row " << row;
        EXPECT_EQ(item.values.size(), values[row]) << "row " << row;
        EXPECT_TRUE(item.units.empty()) << "row " << row;
    }
}

const Four kPrintTexts[] = {
    {"Self Test"sv, "セルフ印刷"sv, "自我测试"sv, "자가 진단"sv},
    {"Print Sample"sv, "サンプル印刷"sv, "打印样本"sv, "샘플 인쇄"sv},
    {"Send File"sv, "ファイル送信"sv, "发送文件"sv, "파일보내기"sv},
    {"Execute"sv, "実行"sv, "實行"sv, "실행"sv},
    {"Browse..."sv, "参照..."sv, "浏览..."sv, "찾아보기..."sv},
};

TEST(TextTables, PrintTestCaptions) {
    ASSERT_EQ(PrintItemTexts().size(), std::size(kPrintTexts));
    for (std::size_t row = 0; row < std::size(kPrintTexts); ++row) {
        const ItemTexts& item = PrintItemTexts()[row];
        ASSERT_EQ(item.labels.size(), 1u);
        EXPECT_TRUE(item.values.empty());
        EXPECT_TRUE(item.units.empty());
        expectColumns(item.labels[0], kPrintTexts[row], "print row " + std::to_string(row));
    }
}

// The shared lists in this order: post print (5), INCH/MM, ON/OFF, OFF/ON, AUTO/FIXED.
const Four kSharedTexts[] = {
    {"OFF"sv, "無効"sv, "关"sv, "오프"sv},
    {"TEAR"sv, "手切り"sv, "撕离"sv, "떼어내기"sv},
    {"PEEL ON"sv, "剥離"sv, "剥离"sv, "벗겨내기"sv},
    {"CUT ON"sv, "カット"sv, "切割"sv, "잘라내기"sv},
    {"REWIND"sv, "巻き取り"sv, "回卷"sv, "되감기"sv},
    {"INCH"sv, "INCH"sv, "英寸"sv, "인치"sv},
    {"MM"sv, "MM"sv, "MM"sv, "MM"sv},
    {"ON"sv, "ON"sv, "开"sv, "온"sv},
    {"OFF"sv, "OFF"sv, "关"sv, "오프"sv},
    {"OFF"sv, "OFF"sv, "关"sv, "오프"sv},
    {"ON"sv, "ON"sv, "开"sv, "온"sv},
    {"AUTO"sv, "自動"sv, "AUTO"sv, "AUTO"sv},
    {"FIXED"sv, "固定"sv, "FIXED"sv, "FIXED"sv},
};

struct SharedUse {
    std::size_t row;   // an item that uses the list
    bool units;        // the list is the item's unit list
    std::size_t first; // first entry in kSharedTexts
    std::size_t count;
};

const SharedUse kSharedUses[] = {
    {57, false, 0, 5},   {163, false, 0, 5}, // "Function Select", "Post Print"
    {25, true, 5, 2},    {161, true, 5, 2},  // "Continuous Media Length", "Paper Length"
    {90, false, 7, 2},   {131, false, 7, 2}, // "IEEE 1284", "Top Form Sensing"
    {33, false, 9, 2},   {130, false, 9, 2}, // "Small Media Adjustment", "Double Heat"
    {119, false, 11, 2},                     // "RFID Settings"
};

std::span<const ShortText> listOf(const SharedUse& use) {
    const ItemTexts& item = ItemTextTable()[use.row];
    return use.units ? item.units : item.values;
}

TEST(TextTables, SharedListsHaveTheirTextsAndAreOneSequence) {
    for (const auto& use : kSharedUses) {
        const auto list = listOf(use);
        ASSERT_EQ(list.size(), use.count) << "row " << use.row;
        for (std::size_t k = 0; k < use.count; ++k)
            expectColumns(list[k], kSharedTexts[use.first + k],
                          "row " + std::to_string(use.row) + " item " + std::to_string(k));
    }
    // Items that share a list refer to the same texts rather than to copies.
    for (const auto& use : kSharedUses) {
        for (const auto& other : kSharedUses) {
            if (use.first == other.first) {
                EXPECT_EQ(listOf(use).data(), listOf(other).data())
                    << "rows " << use.row << " and " << other.row;
            }
        }
    }
}

const Four kMessageTexts[] = {
    {"code : 20\r\nImport error. Please check the file."sv,
     "code : 20\r\nファイル入力エラーです。ファイルを確認してください。"sv,
     "code : 20\r\n导入时文件发生错误。请检查文件。"sv,
     "code : 20\r\n파일 입력 오류. 파일을 확인하세요."sv},
    {"code : 21\r\nInvalid data error. Are you sure to continue to import?"sv,
     "code : 21\r\n無効な項目があります。インポート処理を続行しますか？"sv,
     "code : 21\r\n导入的文件中有无效的数据。是否继续导入数据？"sv,
     "code : 21\r\n잘못된 데이터 오류.  가져오기를 계속 하시겠습니까?"sv},
    {"code : 22\r\nExport error."sv, "code : 22\r\nファイル出力エラーです。"sv,
     "code : 22\r\n导出文件时发生错误。"sv, "code : 22\r\n내보내기 오류."sv},
    {"code : 23\r\nError. Please check the item(s) in red."sv,
     "code : 23\r\n設定データに誤りがあります。"sv, "code : 23\r\n设置的数据存在错误。"sv,
     "code : 23\r\n오류. 프린터 설정에 문제가 있습니다."sv},
    {"code : 24\r\nPlease select item(s) to configure."sv,
     "code : 24\r\n設定する項目を選択して下さい。"sv, "code : 24\r\n请选择需要设置的项目。"sv,
     "code : 24\r\n프린터 설정 항목을 선택해 주세요."sv},
    {"code : 30\r\nOpen port error."sv, "code : 30\r\nポートのオープンに失敗しました。"sv,
     "code : 30\r\n打开端口时发生了错误。"sv, "code : 30\r\n포트 열기 에러."sv},
    {"code : 31\r\nData transfer error."sv,
     "code : 31\r\n転送中にエラーが発生しました。接続を確認して下さい。"sv,
     "code : 31\r\n数据传输中发生错误。请检查接续情况。"sv,
     "code : 31\r\n데이터 보내기 에러. 프린터 연결상태를 확인하세요."sv},
    {"code : 32\r\nAcquisition data has an error."sv,
     "code : 32\r\n取得したデータにエラーがあります。"sv, "code : 32\r\n读取的数据中存在错误。"sv,
     "code : 32\r\n수집된 데이터 에러."sv},
    {"code : 40\r\nPlease choose the interface."sv,
     "code : 40\r\nプリンタとの通信インターフェースを選択してください。"sv,
     "code : 40\r\n请选择打印机及数据接口。"sv, "code : 40\r\n통신포트 선택."sv},
    {"Are you sure to send the configuration?"sv, "プリンタへ設定データを送信しますか？"sv,
     "是否向打印机传输设定好的数据？"sv, "프린터 설정을 보내시겠습니까?"sv},
    {"Are you sure to restore defaults?"sv, "設定を初期値に戻します。よろしいですか？"sv,
     "确定回到默认设置的状态吗？"sv, "초기화를 하시겠습니까?"sv},
    {"Advanced menu contains mechanically sensitive items. Use at your own risk."sv,
     "拡張メニューには機器の性能に影響を与える項目が含まれています。十分ご注意下さい。"sv,
     "在高级设定中，含有会影响打印机性能的项目。请您在设定时注意操作。"sv,
     "고급 메뉴에는 기기의 성능에 영향을 끼칠 수 있는 항목이 포함되어있습니다. 충분히 주의해주세요."sv},
    {"Exit program?"sv, "プログラムを終了しますか？"sv, "是否结束程序？"sv,
     "프로그램을 종료하시겠습니까?"sv},
    {"Are you sure to receive the configuration?"sv, "プリンタから設定データを取得しますか？"sv,
     "是否确定从打印机取得设置数据？"sv, "프린터 설정을 받으시겠습니까?"sv},
    {"Are you sure to print out?"sv, "印刷を実行しますか？"sv, "您要打印吗？"sv,
     "인쇄를 실행 하시겠습니까?"sv},
    {"code : 80\r\nFile Open error. Please check the file."sv,
     "code : 80\r\nファイル入力エラーです。ファイルを確認してください。"sv,
     "code : 80\r\n导入时文件发生错误。请检查文件。"sv,
     "code : 80\r\n파일 입력 오류. 파일을 확인하세요."sv},
    {"code : 81\r\nFile Read error. Please check the file."sv,
     "code : 81\r\nファイル読込エラーです。ファイルを確認してください。"sv,
     "code : 81\r\n导入时文件发生错误。请检查文件。"sv,
     "code : 81\r\n파일 입력 오류. 파일을 확인하세요."sv},
    {"code : 82\r\nReception error has occured."sv, "code : 82\r\n受信エラーが発生しました。"sv,
     "code : 82\r\n发生接收错误。"sv, "code : 82\r\n수신 오류가 발생했습니다."sv},
    {"PRN Files (*.prn)\000*.prn\000All Files (*.*)\000*.*"sv,
     "PRN ファイル (*.prn)\000*.prn\000すべてのファイル (*.*)\000*.*"sv,
     "PRN 格式 (*.prn)\000*.prn\000所有文件 (*.*)\000*.*"sv,
     "PRN 파일 (*.prn)\000*.prn\000모든 파일 (*.*)\000*.*"sv},
};

const Four kGuideTexts[] = {
    {"Please select the type of media being used:"sv, "用紙の種類を選択してください："sv,
     "选择纸张类型:"sv, "사용할 용지의 종류를 선택하십시오:"sv},
    {"1. Make sure the sensor position is adjusted correctly and the upper\n    and lower sensors are in alignment."sv,
     "1. アッパーセンサーとボトムセンサーの位置が合っていることを確認してください。"sv,
     "1. 请确保上下传感器的位置正确并对齐。"sv,
     "1. 센서의 위치가 올바르게 조정 되었고 상단과 하단 센서가 일직선인지 확인하여\n    주십시오"sv},
    {"1. (In case of Front Fixed Sensor) Make sure the gaps go through the\n     sensor position.  If not, consider using Rear Adjustment Sensor.\n   (In case of Rear Adjustment Sensor) Make sure the sensor position\n     is adjusted correctly using the blue adjuster."sv,
     "1. （フロントセンサーの場合） ギャップがセンサー位置を通過することを確認してくださ\n     い。通過しない場合はアジャスタブルセンサーの使用を検討してください。\n   （アジャスタブルセンサーの場合） 水色のアジャスタブルセンサー調整ノブを使用して、\n     センサーが正しい位置にあることを確認してください。"sv,
     "1. （对于前传感器）请确保间隙通过传感器的位置。如果没有通过，\n     请考虑使用可调节传感器。\n   （对于可调节传感器）请使用浅蓝色的可调节传感器调整旋钮，\n     确保传感器位于正确的位置。"sv,
     "1. (전면 고정 센서의 경우) 갭이 센서 위치를 통과하는지 확인하십시오.\n     그렇지 않은 경우 후면 조정 센서 사용을 고려하십시오\n   (후면 조정 센서의 경우) 파란색 조정기를 사용하여 센서 위치가 올바르게\n     조정 되었는지 확인하여 주십시오"sv},
    {"1. Make sure the lower sensor position is adjusted correctly."sv,
     "1. ボトムセンサーの位置が合っていることを確認してください。"sv,
     "1. 请确保下传感器的位置正确。"sv,
     "1. 하단 센서의 위치가 올바르게 조정 되었는지 확인하여 주십시오"sv},
    {"1. (In case of Front Fixed Sensor) Make sure the black marks go through\n     the sensor position.  If not, consider using Rear Adjustment Sensor.\n   (In case of Rear Adjustment Sensor) Make sure the sensor position is\n     adjusted correctly using the blue adjuster."sv,
     "1. （フロントセンサーの場合） ブラックマークがセンサー位置を通過することを確認して\n     ください。通過しない場合はアジャスタブルセンサーの使用を検討してください。\n   （アジャスタブルセンサーの場合） 水色のアジャスタブルセンサー調整ノブを使用して、\n     センサーが正しい位置にあることを確認してください。"sv,
     "1. （对于前传感器）请确保黑色标记通过传感器的位置。如果没有通过，\n     请考虑使用可调节传感器。\n   （对于可调节传感器）请使用浅蓝色的可调节传感器调整旋钮，\n     确保传感器位于正确的位置。"sv,
     "1. (전면 고정 센서의 경우) 검은색 마킹이 센서 위치를 통과하는지 확인하십시오.\n     그렇지 않은 경우 후면 조정 센서 사용을 고려하십시오\n   (후면 조정 센서의 경우) 파란색 조정기를 사용하여 센서 위치가 올바르게\n     조정 되었는지 확인하여 주십시오"sv},
    {"2. Remove the labels to show the backing paper (liner) only."sv,
     "2. 台紙だけが見えるようにラベルを数枚剥がしてください。"sv,
     "2. 请剥下一些标签纸，以便看到底纸。"sv,
     "2. 뒷면 용지 (라이너)만 보이시려면 라벨을 제거하십시오"sv},
    {"2. Set the paper so that the black marks are facing downwards."sv,
     "2. ブラックマークが下面に来るように用紙をセットしてください。"sv,
     "2. 请黑色标记朝下装入纸张。"sv, "2. 검은색 마킹이 아래쪽을 향하도록 용지를 설정하십시오"sv},
    {"3. Place the media in the printer so the backing paper is between the\n    sensors."sv,
     "3. 台紙だけが上下センサー間にあるように用紙を配置してください。"sv,
     "3. 请调整纸张，仅让底纸位于上下传感器之间。"sv,
     "3. 뒷면 용지가 센서 사이에 오도록 용지를 프린터에 넣어주십시오"sv},
    {"3. Place the media so that the black marks are not directly over the\n    sensor."sv,
     "3. ブラックマーク部分がセンサーの上に来ない位置に用紙を配置してください。"sv,
     "3. 请调整纸张，使黑色标记部分的位置不会高于传感器。"sv,
     "3. 검은색 마킹이 센서 바로 위에 있지 않도록 용지를 프린터에 넣어주십시오"sv},
    {"4. Close the printer and click on the Start Sensor Adjustment."sv,
     "4. カバーを閉じ、センサー調整を開始してください。"sv, "4. 请合上盖子，开始传感器调整。"sv,
     "4. 프린터를 닫고 센서 조정 시작을 클릭 하십시오"sv},
    {"Are you sure to start sensor adjustment?"sv, "センサー調整を開始してよろしいですか？"sv,
     "是否确定开始传感器调整吗？"sv, "센서 조정을 시작 하시겠습니까?"sv},
    {"Sensor adjustment done successfully."sv, "センサー調整に成功しました。"sv,
     "传感器调整成功。"sv, "센서 조정을 성공적으로 완료하였습니다."sv},
    {"Sensor adjustment failed.\nPlease try again."sv,
     "センサー調整に失敗しました。\n再度お試しください。"sv, "传感器调整失败。\n请再试一次。"sv,
     "센서 조정에 실패하였습니다.\n다시 시도하십시오."sv},
    {"Are you sure to start RFID Calibration?"sv, "RFIDセンサー調整を開始してよろしいですか？"sv,
     "您确定要开始RFID校准吗？"sv, "RFID 보정을 시작 하시겠습니까?"sv},
    {"RFID Calibration done successfully."sv, "RFIDセンサー調整に成功しました。"sv,
     "RFID校准成功完成。"sv, "RFID 보정이 성공적으로 완료되었습니다."sv},
    {"RFID Calibration failed.\nPlease try again."sv,
     "RFIDセンサー調整に失敗しました。\n再度お試しください。"sv, "RFID校准失败。\n请再试一次。"sv,
     "RFID 보정에 실패했습니다.\n다시 시도하십시오."sv},
    {"This printer does not support RFID."sv, "RFID対応機種ではありません。"sv,
     "本打印机不支持RFID。"sv, "이 프린터는 RFID를 지원하지 않습니다."sv},
    {"1. Make sure that the sensor is at the proper position.\n   See user's manual for details."sv,
     "1. センサーが正しい位置にあることを確認してください。\n   詳細は取扱説明書をご参照ください。"sv,
     "1. 确保传感器处于正确位置。\n   有关详细信息，请参见用户手册。"sv,
     "1. 센서가 올바른 위치에 있는지 확인하십시오.\n   자세한 내용은 사용 설명서를 참조하십시오. "sv},
    {"2. Setup the media for calibration."sv, "2. 用紙をセットしてください。"sv, "2. 设置纸张。"sv,
     "2. 보정 할 용지를 설정하십시오."sv},
    {"3. Close the printer and start calibration.\n   It takes 3-4 minutes to complete the calibration."sv,
     "3. カバーを閉じ、キャリブレーションを開始してください。\n   キャリブレーションの終了まで3～4分かかります。"sv,
     "3. 关上盖子，开始校准。\n   完成校准需要3-4分钟。"sv,
     "3. 프린터를 닫고 보정을 시작하십시오.\n   보정이 끝날 때까지 3 ~ 4 분 정도 걸립니다."sv},
};

// Every entry of `table` holds the four texts of `expected` at the same position.
template <typename Table, std::size_t N>
void expectTable(const Table& table, const Four (&expected)[N], const std::string& name) {
    ASSERT_EQ(table.size(), N) << name;
    for (std::size_t k = 0; k < N; ++k)
        expectColumns(table[k], expected[k], name + " " + std::to_string(k));
}

TEST(TextTables, MessagesAndGuides) {
    expectTable(MessageTable(), kMessageTexts, "message");
    expectTable(GuideTextTable(), kGuideTexts, "guide");
}

// The program's own messages, in OwnMessage order.
const Four kOwnMessageTexts[] = {
    {"Another program is receiving from the printer. Try again when it has finished."sv,
     "別のプログラムがプリンタから受信中です。終了してから再度お試しください。"sv,
     "另一个程序正在从打印机接收数据。请等其完成后再试一次。"sv,
     "다른 프로그램이 프린터에서 수신 중입니다. 완료된 후 다시 시도하십시오."sv},
    {"The settings could not be saved to %1: %2\r\nExit anyway? Yes exits without saving them; No returns to the window."sv,
     "設定を %1 に保存できませんでした: %2\r\nこのまま終了しますか？ [はい] 保存せずに終了します。[いいえ] ウィンドウに戻ります。"sv,
     "无法将设置保存到 %1：%2\r\n仍要退出吗？[是] 不保存并退出；[否] 返回窗口。"sv,
     "설정을 %1에 저장할 수 없습니다: %2\r\n그래도 종료하시겠습니까? [예] 저장하지 않고 종료합니다. [아니요] 창으로 돌아갑니다."sv},
    {"The settings file %1 could not be read: %2\r\nThe file as it was is kept as %3, and the settings were saved in a new %1."sv,
     "設定ファイル %1 を読み込めませんでした: %2\r\n元のファイルを %3 として残し、設定を新しい %1 に保存しました。"sv,
     "无法读取设置文件 %1：%2\r\n原文件已保留为 %3，设置已保存到新的 %1 中。"sv,
     "설정 파일 %1을(를) 읽을 수 없습니다: %2\r\n원래 파일은 %3(으)로 보존하고 설정을 새 %1에 저장했습니다."sv},
    {"The settings file %1 could not be read: %2\r\nThe program uses the default settings. When settings are saved, the file is kept as %3."sv,
     "設定ファイル %1 を読み込めませんでした: %2\r\n既定の設定を使用します。設定を保存するときに、このファイルは %3 として残されます。"sv,
     "无法读取设置文件 %1：%2\r\n程序将使用默认设置。保存设置时，该文件将保留为 %3。"sv,
     "설정 파일 %1을(를) 읽을 수 없습니다: %2\r\n기본 설정을 사용합니다. 설정을 저장할 때 이 파일은 %3(으)로 보존됩니다."sv},
    {"it is not a regular file (it is a folder, a named pipe or a device)."sv,
     "通常のファイルではありません（フォルダ、名前付きパイプまたはデバイスです）。"sv,
     "它不是普通文件（而是文件夹、命名管道或设备）。"sv,
     "일반 파일이 아닙니다(폴더, 명명된 파이프 또는 장치입니다)."sv},
    {"it is larger than a settings file can be."sv, "設定ファイルとしては大きすぎます。"sv,
     "文件过大，不可能是设置文件。"sv, "설정 파일로서는 너무 큽니다."sv},
    {"its text could not be decoded."sv, "内容を文字として解読できません。"sv, "无法解码其文本。"sv,
     "내용을 텍스트로 해독할 수 없습니다."sv},
    {"some of its lines could not be decoded; the other lines were kept as they were."sv,
     "一部の行を解読できませんでした。他の行はそのまま残しました。"sv,
     "其中部分行无法解码；其他行已原样保留。"sv,
     "일부 행을 해독할 수 없었습니다. 다른 행은 그대로 유지했습니다."sv},
    {"it belongs to another user."sv, "他のユーザーが所有しています。"sv, "它属于其他用户。"sv,
     "다른 사용자의 소유입니다."sv},
    {"the folder is a symbolic link, or not a folder."sv,
     "フォルダがシンボリックリンクであるか、フォルダではありません。"sv,
     "该文件夹是符号链接，或者不是文件夹。"sv, "폴더가 심볼릭 링크이거나 폴더가 아닙니다."sv},
    {"other users may write into the folder."sv, "他のユーザーがこのフォルダに書き込めます。"sv,
     "其他用户可以写入该文件夹。"sv, "다른 사용자가 이 폴더에 쓸 수 있습니다."sv},
    {"no home folder is known for the user."sv, "ユーザーのホームフォルダがわかりません。"sv,
     "找不到用户的主文件夹。"sv, "사용자의 홈 폴더를 알 수 없습니다."sv},
    {"The settings on the pages go back to their defaults, and the changes you have not sent are lost.\r\nContinue?"sv,
     "ページの設定は初期値に戻り、送信していない変更は失われます。\r\n続行しますか？"sv,
     "各页的设置将恢复为默认值，尚未发送的更改将会丢失。\r\n是否继续？"sv,
     "페이지의 설정이 기본값으로 돌아가고 보내지 않은 변경 내용은 사라집니다.\r\n계속하시겠습니까?"sv},
    // The progress box of an exchange.
    {"Sending the configuration"sv, "設定を送信しています"sv, "正在发送配置"sv,
     "설정을 보내는 중"sv},
    {"Receiving"sv, "受信しています"sv, "正在接收"sv, "수신 중"sv},
    {"Sensor adjustment"sv, "センサー調整中"sv, "正在进行传感器调整"sv, "센서 조정 중"sv},
    {"Printing the self test"sv, "セルフテストを印刷しています"sv, "正在打印自检页"sv,
     "자체 테스트를 인쇄하는 중"sv},
    {"Printing the sample"sv, "サンプルを印刷しています"sv, "正在打印样张"sv,
     "샘플을 인쇄하는 중"sv},
    {"Sending the print file %1 of %2 KB"sv, "印刷ファイルを送信しています %1 / %2 KB"sv,
     "正在发送打印文件 %1 / %2 KB"sv, "인쇄 파일을 보내는 중 %1 / %2 KB"sv},
    {"Cancel"sv, "キャンセル"sv, "取消"sv, "취소"sv},
    {"Cancelling"sv, "キャンセルしています"sv, "正在取消"sv, "취소하는 중"sv},
};

TEST(TextTables, OwnMessages) {
    expectTable(OwnMessageTable(), kOwnMessageTexts, "own message");
    EXPECT_EQ(OwnMessageText(OwnMessage::ReceiveBusy, Region::Korean), kOwnMessageTexts[0][3]);
}

struct EnglishRow {
    std::size_t row;
    std::string_view label;
    std::vector<std::string_view> values;
    bool inchMm; // the unit list is "INCH", "MM"
};

// Rows 19 to 167 in English: label, choice list in value-index order, unit list.
const EnglishRow kEnglishRows[] = {
    {19, "Config Set", {"CONFIG SET 1", "CONFIG SET 2", "CONFIG SET 3"}, false},
    {20,
     "Print Speed",
     {"2 IPS", "3 IPS", "4 IPS", "5 IPS", "6 IPS", "7 IPS", "8 IPS", "9 IPS", "10 IPS", "11 IPS",
      "12 IPS"},
     false},
    {21, "Print Darkness", {}, false},
    {22, "Darkness Adjust", {}, false},
    {23, "Print Method", {"TT", "DT"}, false},
    {24, "Ribbon Winding Direction", {"OUTSIDE", "INSIDE"}, false},
    {25, "Continuous Media Length", {}, true},
    {26, "Vertical Position", {}, true},
    {27, "Horizontal Shift", {}, true},
    {28, "Vertical Image Shift", {}, true},
    {29, "Vertical Image Shift", {}, false},
    {30, "Auto Side Shift", {}, false},
    {31, "Sensor Select", {"FRONT FIXED SENSOR", "REAR ADJ SENSOR"}, false},
    {32, "Media Sensor", {"SEE THROUGH", "REFLECT", "NONE"}, false},
    {33, "Small Media Adjustment", {"OFF", "ON"}, false},
    {34, "Small Media Length", {}, true},
    {35,
     "Symbol Set",
     {"CP", "CU", "DN", "DT", "E1", "E2", "E5", "E6", "E7", "E9", "EH", "ER", "FR", "GR", "H0",
      "H8", "IT", "LG", "M8", "MC", "MS", "P9", "PB", "PC", "PD", "PE", "PG", "PH", "PI", "PM",
      "PR", "PT", "PU", "PV", "PY", "R8", "R9", "SP", "SW", "SY", "TS", "UK", "US", "VI", "VM",
      "VU", "W1", "WD", "WE", "WG", "WH", "WL", "WO", "WR", "WT", "u1", "EU", "GB", "JS", "SJ",
      "UC", "U8", "KS", "ZA", "ZB", "ZC", "ZD", "ZE", "ZF", "ZG", "ZH", "ZI", "ZJ", "ZK", "ZL",
      "ZM", "ZN", "ZO", "ZP", "ZQ", "ZR", "ZS", "ZT", "ZU", "ZV", "ZW", "ZX", "ZY", "ZZ"},
     false},
    {36, "Top Form Sensor", {"OFF", "ON"}, false},
    {37, "Top Form Length", {}, true},
    {38, "Sensor Level", {}, false},
    {39, "Paper End Level", {}, false},
    {40, "Error Reporting", {"ON PRINTING", "IMMEDIATE"}, false},
    {41, "Cover Open Sensor", {"OFF", "ON"}, false},
    {42, "Buzzer Select", {"EXEC/ERROR", "ALL", "ERROR", "KEY", "NONE", "ON", "OFF"}, false},
    {43, "Metric/Inch", {"MM", "INCH"}, false},
    {44, "Max Media Length", {}, true},
    {45, "Settings Lock", {"OFF", "ON"}, false},
    {46, "Keyboard Lock", {"OFF", "ON"}, false},
    {47, "Standby Mode", {"OFF", "ON"}, false},
    {48, "Standby Timer", {}, false},
    {49, "PNE Status", {"OFF", "ON"}, false},
    {50, "PNE Alarm", {"OFF", "ON"}, false},
    {51, "Control Code", {"ALT", "STD", "ALT-2"}, false},
    {52, "Emulation Select", {"EPI2", "ZPI2", "DM4", "DMI", "DPP"}, false},
    {53, "Emulation Auto Detect", {"ON", "OFF", "FULL AUTO"}, false},
    {54, "Mesuring at Power ON", {"OFF", "ON"}, false},
    {55, "CI Lock", {"OFF", "ON"}, false},
    {56, "Auto Configure", {"OFF", "ON"}, false},
    {57, "Function Select", {"OFF", "TEAR", "PEEL ON", "CUT ON", "REWIND"}, false},
    {58, "Cutter Type", {"STANDARD", "HEAVYDUTY"}, false},
    {59, "Cutter Action", {"THROUGH", "BACKFEED"}, false},
    {60, "Rewinder Auto Online", {"OFF", "ON"}, false},
    {61, "Rewinder Auto Online Delay", {}, false},
    {62, "Rewinder Torque", {}, false},
    {63, "Peel Wait Delay", {}, false},
    {64, "Paper Position", {}, true},
    {65, "Mode/Repeat Key", {"LABEL SET", "LAST ONE", "DISABLED"}, false},
    {66, "Menu Key Action", {"REPEAT SET", "REPEAT ONE", "ENTERS MENU"}, false},
    {67, "Feed Key Action", {"REPEAT SET", "REPEAT ONE", "FEEDS MEDIA"}, false},
    {68, "USB Device Class", {"PRINTER", "VCOM"}, false},
    {69, "USB VCOM Protocol", {"AUTO", "DTR", "X-ON"}, false},
    {70, "USB 2.0 High Speed", {"OFF", "ON"}, false},
    {71, "IPv4 Address", {}, false},
    {72, "IPv4 Subnet Mask", {}, false},
    {73, "IPv4 Gateway", {}, false},
    {74, "IPv4 DHCP", {"OFF", "ON"}, false},
    {75, "Host Name", {}, false},
    {76, "Port Number", {}, false},
    {77, "Timeout", {}, false},
    {78, "Action at timeout", {"CLOSE ALL", "MOVE NEXT"}, false},
    {79, "Transmits buffered data", {"DISABLE", "ENABLE"}, false},
    {80, "IPv6", {"OFF", "ON"}, false},
    {81, "Fixed IPv6 Address", {"OFF", "ON"}, false},
    {82, "IPv6 Address", {}, false},
    {83, "IPv6 Prefix Length", {}, false},
    {84, "IPv6 Gateway", {}, false},
    {85, "Baud Rate", {"2400", "4800", "9600", "19200", "38400", "57600", "115200"}, false},
    {86, "Parity", {"NONE", "ODD", "EVEN"}, false},
    {87, "Data Length", {"7 BITS", "8 BITS"}, false},
    {88, "Stop Bit", {"1 BIT", "2 BITS"}, false},
    {89, "X-ON", {"NO", "YES"}, false},
    {90, "IEEE 1284", {"ON", "OFF"}, false},
    {91, "Web Monitor", {"AUTO", "ON", "OFF"}, false},
    {92, "Network Address", {}, false},
    {93, "Subnet Mask", {}, false},
    {94, "Gateway Address", {}, false},
    {95, "BOOTP", {"OFF", "ON"}, false},
    {96, "DHCP", {"OFF", "ON"}, false},
    {97, "WLAN Mode", {"INFRASTRUCTURE", "AUTO", "AD-HOC", "SOFTAP"}, false},
    {98, "WLAN Channel", {}, false},
    {99, "WLAN SSID", {}, false},
    {100,
     "Encryption",
     {"NONE", "WEP", "WEP(SHARED KEY)", "WPA(TKIP)", "WPA(AES)", "WPA2(TKIP)", "WPA2(AES)",
      "WPA(AES/TKIP)", "WPA2(AES/TKIP)", "WPA-AUTO"},
     false},
    {101, "WEP Key ID", {"KEY 1", "KEY 2", "KEY 3", "KEY 4"}, false},
    {102, "WEP Key 1", {}, false},
    {103, "WEP Key 2", {}, false},
    {104, "WEP Key 3", {}, false},
    {105, "WEP Key 4", {}, false},
    {106, "WPA/WPA2 PSK", {}, false},
    {107,
     "Authentication",
     {"OPEN SYSTEM", "SHARED KEY", "EAP-MD5", "EAP-TLS", "EAP-TTLS", "EAP-PEAP", "EAP-FAST"},
     false},
    {108, "User Name", {}, false},
    {109, "Password", {}, false},
    {110,
     "PEAP/FAST Option",
     {"NONE", "PEAP LABEL0", "PEAP LABEL1", "PEAP V0", "PEAP V1", "FAST INLINE PROVISIONING"},
     false},
    {111, "Inner Authentication", {"NONE", "MSCHAPv2", "PAP", "CHAP", "EAP-MD5", "EAP-TLS"}, false},
    {112, "Anonymous Name", {}, false},
    {113, "Security", {"MIDDLE", "HIGH"}, false},
    {114, "Connection", {"ALL DEVICES", "PAIR ONLY"}, false},
    {115, "Discoverable", {"ON", "OFF"}, false},
    {116, "iOS ReConnect", {"ON", "OFF"}, false},
    {117, "PIN Code", {}, false},
    {118, "Device Name", {}, false},
    {119, "RFID Settings", {"AUTO", "FIXED"}, false},
    {120, "RFID Calib Base Position", {}, true},
    {121, "RFID Fixed Position", {}, true},
    {122, "RFID Fixed Power", {}, false},
    {123, "RFID NG Mark Position", {}, true},
    {124, "RFID NG Mark Width", {}, true},
    {125, "RFID NG Mark Height", {}, true},
    {126, "RFID NG Mark Thickness", {}, true},
    {127, "LCD Brightness", {"10", "20", "30", "40", "50", "60", "70", "80", "90", "100"}, false},
    {128, "Standalone Forms Printing", {"OFF", "ON"}, false},
    {129, "Preview Mode", {"OFF", "ON"}, false},
    {130, "Double Heat", {"OFF", "ON"}, false},
    {131, "Top Form Sensing", {"ON", "OFF"}, false},
    {132, "Parallel Error Output", {"ON", "OFF"}, false},
    {133, "Compatible Mode", {"TYPE1", "TYPE2", "TYPE3"}, false},
    {134, "LCD Standby", {"OFF", "ON"}, false},
    {135, "Print Preference", {"Darkness", "Speed"}, false},
    {136, "Non-stop Cut", {"OFF", "ON W/ BACKFEED", "ON W/O BACKFEED"}, false},
    {137, "RFID Calib Executed :", {}, false},
    {138, "RFID Calib Position Offset :", {}, false},
    {139, "RFID Calib Power :", {}, false},
    {140, "Global Config", {}, false},
    {141, "Page Setup", {}, false},
    {142, "System Setup", {}, false},
    {143, "After Print Setup", {}, false},
    {144, "Built-in Interface", {}, false},
    {145, "Option Interface", {}, false},
    {146, "Serial Number : ", {}, false},
    {147, "Print Counter : ", {}, false},
    {148, "Service Counter : ", {}, false},
    {149, "Cut Counter : ", {}, false},
    {150, "Paper Error : ", {}, false},
    {151, "Ribbon Error : ", {}, false},
    {152, "Printing : ", {}, false},
    {153, "Pause : ", {}, false},
    {154, "Waiting for peeling : ", {}, false},
    {155, "Error code : ", {}, false},
    {156, "Receive Printer Status only", {}, false},
    {157, "Printer Information", {}, false},
    {158, "DMX/ZPL Printer Status", {}, false},
    {159, "EPL Printer Status", {}, false},
    {160, "Media Type", {"Labels\nwith gaps", "Black marks\non back", "Continuous"}, false},
    {161, "Paper Length", {}, true},
    {162, "Print Method", {"USE RIBBON", "DIRECT THERMAL"}, false},
    {163, "Post Print", {"OFF", "TEAR", "PEEL ON", "CUT ON", "REWIND"}, false},
    {164, "Start Offset", {}, true},
    {165, "Stop Offset", {}, true},
    {166, "Media Handling", {}, false},
    {167, "Sensor Adjustment", {"Labels with gaps", "Black marks on back", ""}, false},
};

TEST(TextTables, EnglishLabelsValuesAndUnitsOfThePages) {
    ASSERT_EQ(std::size(kEnglishRows), 149u);
    for (const auto& expected : kEnglishRows) {
        const ItemTexts& item = ItemTextTable()[expected.row];
        const std::string where = "row " + std::to_string(expected.row);
        ASSERT_EQ(item.labels.size(), 1u) << where;
        EXPECT_EQ(item.label(0, Region::English), expected.label) << where;
        ASSERT_EQ(item.values.size(), expected.values.size()) << where;
        for (std::size_t k = 0; k < expected.values.size(); ++k)
            EXPECT_EQ(item.value(k, Region::English), expected.values[k])
                << where << " value " << k;
        ASSERT_EQ(item.units.size(), expected.inchMm ? 2u : 0u) << where;
        if (expected.inchMm) {
            EXPECT_EQ(item.units.data(), ItemTextTable()[25].units.data()) << where;
        }
    }
}

} // namespace
} // namespace tessaline
