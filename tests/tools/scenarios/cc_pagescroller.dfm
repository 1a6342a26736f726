object MainForm: TForm
  Caption = 'Page scrollers'
  Left = 100
  Top = 80
  Width = 400
  Height = 300
  object Tracebook1: TKDTracebook
    ApplicationID = 'PageScrollers'
    Filename = 'cc_pagescroller.evt'
  end
  object Strip: TPageScroller
    Left = 8
    Top = 8
    Width = 224
    Height = 30
    Control = Wide
    object Wide: TPanel
      Left = 12
      Top = 0
      Width = 600
      Height = 30
    end
  end
  object Column: TPageScroller
    Left = 260
    Top = 8
    Width = 40
    Height = 124
    Orientation = soVertical
    Control = Tall
    object Tall: TPanel
      Left = 0
      Top = 12
      Width = 40
      Height = 300
    end
  end
end
