object MainForm: TForm
  Caption = 'Scrolling'
  Left = 100
  Top = 80
  Width = 460
  Height = 340
  object Tracebook1: TKDTracebook
    ApplicationID = 'Scrolling'
    Filename = 'scrolling.evt'
    LogEvents.Strings = (
      'TActivateEvent=0'
      'TSetFocusEvent=0'
      'TMouseClickEvent=0')
  end
  object Quantity: TScrollBar
    Left = 8
    Top = 8
    Width = 200
    Height = 17
    Max = 50
  end
  object Panel1: TPanel
    Left = 8
    Top = 40
    Width = 100
    Height = 200
    object Level: TScrollBar
      Left = 10
      Top = 10
      Width = 17
      Height = 150
      Kind = sbVertical
      Max = 10
      LargeChange = 5
    end
  end
  object History: TScrollBox
    Left = 220
    Top = 40
    Width = 200
    Height = 100
    object EarlierOrders: TPanel
      Left = 0
      Top = 0
      Width = 160
      Height = 300
      Caption = 'Earlier orders'
    end
  end
end
