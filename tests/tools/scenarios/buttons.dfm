object MainForm: TForm
  Caption = 'Buttons'
  Left = 100
  Top = 80
  Width = 420
  Height = 320
  object Tracebook1: TKDTracebook
    ApplicationID = 'Buttons'
    Filename = 'buttons.evt'
    LogEvents.Strings = (
      'TActivateEvent=0'
      'TSetFocusEvent=0'
      'TMouseClickEvent=0')
  end
  object ActionList1: TActionList
    object ApplyAction: TAction
      Caption = '&Apply'
    end
  end
  object Panel1: TPanel
    Left = 8
    Top = 8
    Width = 200
    Height = 150
    object OKBtn: TButton
      Left = 10
      Top = 10
      Width = 75
      Height = 25
      Caption = '&OK'
    end
    object ApplyBtn: TButton
      Left = 10
      Top = 40
      Width = 75
      Height = 25
      Action = ApplyAction
    end
    object Express: TCheckBox
      Left = 10
      Top = 70
      Width = 120
      Height = 17
      Caption = '&Express'
    end
    object Gift: TCheckBox
      Left = 10
      Top = 95
      Width = 120
      Height = 17
      Caption = 'Gift'
      AllowGrayed = True
    end
  end
  object Delivery: TGroupBox
    Left = 220
    Top = 8
    Width = 180
    Height = 80
    Caption = '&Delivery'
    object Morning: TRadioButton
      Left = 10
      Top = 20
      Width = 100
      Height = 17
      Caption = '&Morning'
    end
    object Evening: TRadioButton
      Left = 10
      Top = 45
      Width = 100
      Height = 17
      Caption = 'E&vening'
    end
  end
  object Priority: TRadioGroup
    Left = 220
    Top = 100
    Width = 180
    Height = 100
    Caption = 'Priority'
    Items.Strings = (
      'Low'
      'Normal'
      'High')
  end
  object TButton
    Left = 8
    Top = 170
    Width = 75
    Height = 25
    Caption = 'Help'
  end
end
