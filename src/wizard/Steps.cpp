#include "wizard/Steps.h"

const StepInfo &stepInfo(int number)
{
    static const StepInfo steps[] = {
            {0, Layer::Start, "SpeedButton1", QStringLiteral("&Start..."), QString(),
             Trigger::Start, Trigger::Start, QString(), true},
            {1, Layer::Controls, "SpeedButton8", QStringLiteral("Step 1/ 10 - &Next >"),
             QStringLiteral("go to step 2"), Trigger::Step1Next, Trigger::Step1Next,
             QStringLiteral("//Controls ---"), true},
            {2, Layer::VSays, "SpeedButton7", QStringLiteral("Step 2/ 10 - &Next >"),
             QStringLiteral("Go to step 3"), Trigger::Step2Next, Trigger::Step2Back, QString(),
             false},
            {3, Layer::Scripts1, "SpeedButton6", QStringLiteral("Step 3/ 10 - &Next >"),
             QStringLiteral("go to step 4"), Trigger::Step3Next, Trigger::Step3Back,
             QStringLiteral("//Scripts part 1 ---"), true},
            {4, Layer::Scripts2, "SpeedButton5", QStringLiteral("Step 4/ 10 - &Next >"),
             QStringLiteral("go to step 5"), Trigger::Step4Next, Trigger::Step4Back,
             QStringLiteral("//Scripts part 2 ---"), true},
            {5, Layer::Game, "SpeedButton4", QStringLiteral("Step 5/ 10 - &Next >"),
             QStringLiteral("go to step 6"), Trigger::Step5Next, Trigger::Step5Back,
             QStringLiteral("//Game options ---"), true},
            {6, Layer::View, "SpeedButton3", QStringLiteral("Step 6/ 10 - &Next >"),
             QStringLiteral("go to step 7"), Trigger::Step6Next, Trigger::Step6Back,
             QStringLiteral("//View Options ---"), true},
            {7, Layer::System, "SpeedButton2", QStringLiteral("Step 7/ 10 - &Next >"),
             QStringLiteral("go to step 8"), Trigger::Step7Next, Trigger::Step7Back,
             QStringLiteral("//System Options ---"), true},
            {8, Layer::Server, "btn8", QStringLiteral("Step 8/ 10 - &Next >"),
             QStringLiteral("go to step 9"), Trigger::Step8Next, Trigger::Step8Back,
             QStringLiteral("//Server Options ---"), true},
            {9, Layer::Misc, "btn9", QStringLiteral("Step 9/10 - &Next >"),
             QStringLiteral("go to the last step"), Trigger::Step9Next, Trigger::Step9Back,
             QStringLiteral("//Misc ---"), true},
    };
    return steps[number];
}
