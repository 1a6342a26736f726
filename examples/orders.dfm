object MainForm: TForm
  Caption = 'Orders'
  Left = 100
  Top = 80
  Width = 900
  Height = 420
  Menu = MainMenu1
  object Tracebook1: TKDTracebook
    ApplicationID = 'Orders'
    Filename = 'orders.evt'
  end
  object MainMenu1: TMainMenu
    object FileMenu: TMenuItem
      Caption = '&File'
      object SaveItem: TMenuItem
        Action = SaveAction
      end
      object CloseItem: TMenuItem
        Caption = '&Close'
      end
    end
  end
  object ActionList1: TActionList
    object SaveAction: TAction
      Caption = '&Save'
      ShortCut = 'Ctrl+S'
    end
  end
  object LabelMenu: TPopupMenu
    object GiftItem: TMenuItem
      Caption = '&Gift'
    end
    object FragileItem: TMenuItem
      Caption = '&Fragile'
    end
  end
  object NotesMenu: TPopupMenu
    object SpellItem: TMenuItem
      Caption = '&Spell check'
    end
  end
  object Panel1: TPanel
    Left = 8
    Top = 8
    Width = 240
    Height = 180
    object CustomerLabel: TLabel
      Left = 10
      Top = 12
      Width = 60
      Height = 16
      Caption = '&Customer'
      FocusControl = Customer
    end
    object Customer: TEdit
      Left = 80
      Top = 10
      Width = 150
      Height = 21
    end
    object Pin: TEdit
      Left = 80
      Top = 40
      Width = 150
      Height = 21
      PasswordChar = '*'
    end
    object Express: TCheckBox
      Left = 10
      Top = 70
      Width = 120
      Height = 17
      Caption = '&Express'
    end
    object Shipping: TComboBox
      Left = 10
      Top = 100
      Width = 150
      Height = 21
      Style = csDropDownList
      Items.Strings = (
        'Post'
        'Courier'
        'Pick-up')
    end
    object OKBtn: TButton
      Left = 10
      Top = 140
      Width = 75
      Height = 25
      Caption = '&OK'
    end
  end
  object Products: TListBox
    Left = 260
    Top = 8
    Width = 200
    Height = 120
    Items.Strings = (
      'Apples'
      'Pears'
      'Plums')
  end
  object Priority: TRadioGroup
    Left = 260
    Top = 140
    Width = 200
    Height = 100
    Caption = 'Priority'
    Items.Strings = (
      'Low'
      'Normal'
      'High')
  end
  object Notes: TMemo
    Left = 8
    Top = 200
    Width = 240
    Height = 100
    PopupMenu = NotesMenu
  end
  object Delivery: TGroupBox
    Left = 8
    Top = 310
    Width = 240
    Height = 60
    Caption = 'Delivery'
    object Morning: TRadioButton
      Left = 10
      Top = 20
      Width = 100
      Height = 17
      Caption = '&Morning'
    end
    object Afternoon: TRadioButton
      Left = 120
      Top = 20
      Width = 100
      Height = 17
      Caption = '&Afternoon'
    end
  end
  object History: TScrollBox
    Left = 260
    Top = 290
    Width = 200
    Height = 80
    object EarlierOrders: TPanel
      Left = 0
      Top = 0
      Width = 160
      Height = 300
      Caption = 'Earlier orders'
    end
  end
  object Quantity: TScrollBar
    Left = 260
    Top = 260
    Width = 200
    Height = 17
    Max = 50
  end
  object Details: TPageControl
    Left = 480
    Top = 8
    Width = 400
    Height = 370
    ActivePage = SchedulePage
    object SchedulePage: TTabSheet
      Caption = 'Schedule'
      object DeliveryDay: TMonthCalendar
        Left = 8
        Top = 8
        Width = 190
        Height = 160
        Date = '2026-12-08'
      end
      object Pickup: TDateTimePicker
        Left = 210
        Top = 8
        Width = 160
        Height = 21
        Date = '2026-12-10'
        Time = '09:30:00'
      end
      object Urgency: TTrackBar
        Left = 210
        Top = 40
        Width = 160
        Height = 30
        Max = 10
        Position = 5
      end
      object Copies: TEdit
        Left = 210
        Top = 80
        Width = 60
        Height = 21
      end
      object CopiesSpin: TUpDown
        Left = 270
        Top = 80
        Width = 16
        Height = 21
        Associate = Copies
        Min = 1
        Max = 9
        Position = 1
      end
      object QuickKey: THotKey
        Left = 210
        Top = 110
        Width = 160
        Height = 21
        HotKey = 'Ctrl+Q'
      end
      object Period: TTabControl
        Left = 8
        Top = 180
        Width = 362
        Height = 60
        Tabs.Strings = (
          'Day'
          'Week'
          'Month')
        TabIndex = 0
      end
    end
    object CataloguePage: TTabSheet
      Caption = 'Catalogue'
      object ToolBar1: TToolBar
        Left = 0
        Top = 0
        Width = 392
        Height = 29
        ShowCaptions = True
        object SaveBtn: TToolButton
          Action = SaveAction
        end
        object LabelBtn: TToolButton
          Caption = '&Label'
          Style = tbsDropDown
          DropdownMenu = LabelMenu
        end
      end
      object Categories: TTreeView
        Left = 8
        Top = 36
        Width = 150
        Height = 150
        Items = (
          'Hardware'
          ' Screws'
          ' Nails'
          'Garden'
          ' Seeds'
          ' Tools')
      end
      object OrderLines: TListView
        Left = 166
        Top = 36
        Width = 220
        Height = 150
        ViewStyle = vsReport
        Columns = <
          item
            Caption = 'Article'
            Width = 100
          end
          item
            Caption = 'Price'
            Width = 60
          end>
        Items = <
          item
            Caption = 'Screws'
            SubItems.Strings = (
              '4.50')
          end
          item
            Caption = 'Seeds'
            SubItems.Strings = (
              '2.10')
          end>
      end
      object Totals: THeaderControl
        Left = 8
        Top = 196
        Width = 378
        Height = 20
        Sections = <
          item
            Text = 'Net'
            Width = 120
          end
          item
            Text = 'Tax'
            Width = 80
          end>
      end
    end
    object StockPage: TTabSheet
      Caption = 'Stock'
      object Shelves: TStringGrid
        Left = 8
        Top = 8
        Width = 250
        Height = 126
        ColCount = 3
        RowCount = 6
        Options = [goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goEditing]
        Rows = (
          ''#9'Article'#9'Shelf'
          '1'#9'Screws'#9'A3'
          '2'#9'Nails'#9'A4'
          '3'#9'Seeds'#9'G1')
      end
      object Extras: TCheckListBox
        Left = 266
        Top = 8
        Width = 120
        Height = 64
        Items.Strings = (
          'Gift wrap'
          'Insurance'
          'Receipt')
      end
      object Restock: TSpeedButton
        Left = 266
        Top = 80
        Width = 120
        Height = 24
        Caption = '&Restock'
      end
      object QuickSave: TSpeedButton
        Left = 266
        Top = 110
        Width = 120
        Height = 24
        Action = SaveAction
      end
      object Aisles: TOutline
        Left = 8
        Top = 142
        Width = 170
        Height = 150
        Lines = (
          'Hardware'
          #9'Screws'
          #9'Nails'
          'Garden'
          #9'Seeds'
          #9'Tools')
      end
      object Layout: TPanel
        Left = 186
        Top = 142
        Width = 200
        Height = 150
        object Plan: TPanel
          Width = 80
          Align = alLeft
        end
        object PlanSplitter: TSplitter
          Left = 80
          Width = 4
          Align = alLeft
        end
        object Map: TPanel
          Align = alClient
        end
      end
    end
    object CommentsPage: TTabSheet
      Caption = 'Comments'
      object Instructions: TRichEdit
        Left = 8
        Top = 8
        Width = 370
        Height = 120
      end
      object Stamps: TPageScroller
        Left = 8
        Top = 140
        Width = 224
        Height = 30
        Control = StampStrip
        object StampStrip: TPanel
          Width = 600
          Height = 30
        end
      end
    end
  end
end
